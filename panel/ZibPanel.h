#pragma once

#include "ZibPanel6Export.h"
#include "ZibPanelEnums.h"

#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <optional>

class QMimeData;
class QNetworkAccessManager;
class QNetworkReply;

namespace zibpanel {

class ZibPanelHost;
class ZibPropertyBag;

// A container control: a background colour or two-colour gradient, a tiled picture with an
// optional transparent colour, a caption in nine positions and two directions, and a 3-D
// border, painted on a persistent off-screen surface that the window shows. Other controls
// are placed on it as children. Colours are 0x00BBGGRR values; 0x80000000 + n is system
// colour n.
class ZIBPANEL6_EXPORT ZibPanel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(zibpanel::CaptionAlignConstants CaptionAlign READ captionAlign WRITE setCaptionAlign)
    Q_PROPERTY(quint32 BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(quint32 ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setPanelEnabled)
    Q_PROPERTY(QFont Font READ panelFont WRITE setPanelFont)
    Q_PROPERTY(zibpanel::frameBorderStyleConstants BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(QImage Picture READ picture WRITE setPicture)
    Q_PROPERTY(bool GradientBackColor READ gradientBackColor WRITE setGradientBackColor)
    Q_PROPERTY(quint32 GradientColorStart READ gradientColorStart WRITE setGradientColorStart)
    Q_PROPERTY(quint32 GradientColorEnd READ gradientColorEnd WRITE setGradientColorEnd)
    Q_PROPERTY(zibpanel::GradateSensConstant GradientSens READ gradientSens WRITE setGradientSens)
    Q_PROPERTY(quintptr hdc READ hdcValue)
    Q_PROPERTY(quintptr hWnd READ hWndValue)
    Q_PROPERTY(QString ToolTipText READ toolTipText WRITE setToolTipText)
    Q_PROPERTY(QString URLPicture READ urlPicture WRITE setURLPicture)
    Q_PROPERTY(QPixmap MouseIcon READ mouseIcon WRITE setMouseIcon)
    Q_PROPERTY(short MousePointer READ mousePointer WRITE setMousePointer)
    Q_PROPERTY(zibpanel::CaptionSensConstants CaptionSens READ captionSens WRITE setCaptionSens)
    Q_PROPERTY(quint32 MaskColor READ maskColor WRITE setMaskColor)
    Q_PROPERTY(bool UseMaskColor READ useMaskColor WRITE setUseMaskColor)
    Q_PROPERTY(short OLEDropMode READ oleDropMode WRITE setOLEDropMode)

public:
    // The control type name hosts create it by.
    static constexpr const char* TypeName = "ZibPanelControl6.ZibPanel";

    // The member ids a host sets and reads members by.
    enum MemberId : int {
        IdCaption = -518,
        IdFont = -512,
        IdShowAboutBox = -552,
        IdCaptionAlign = 0x68030013,
        IdBackColor = 0x68030012,
        IdForeColor = 0x68030011,
        IdEnabled = 0x68030010,
        IdBorderStyle = 0x6803000f,
        IdPicture = 0x6803000e,
        IdGradientBackColor = 0x6803000d,
        IdGradientColorStart = 0x6803000c,
        IdGradientColorEnd = 0x6803000b,
        IdGradientSens = 0x6803000a,
        IdHdc = 0x68030009,
        IdHWnd = 0x68030008,
        IdToolTipText = 0x68030007,
        IdURLPicture = 0x68030006,
        IdMouseIcon = 0x68030005,
        IdMousePointer = 0x68030004,
        IdRefresh = 0x6003002a,
        IdCaptionSens = 0x68030003,
        IdMaskColor = 0x68030002,
        IdUseMaskColor = 0x68030001,
        IdOLEDrag = 0x6003002e,
        IdOLEDropMode = 0x68030000,
    };

    // Mouse button and shift state values of the mouse and key events.
    enum : short { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
    enum : short { ShiftMask = 1, CtrlMask = 2, AltMask = 4 };
    // Drop effects, and the states of OLEDragOver.
    enum : int { DropEffectNone = 0, DropEffectCopy = 1, DropEffectMove = 2 };
    enum : short { DragEnter = 0, DragLeave = 1, DragOver = 2 };

    explicit ZibPanel(QWidget* parent = nullptr, ZibPanelHost* host = nullptr);
    ~ZibPanel() override;

    // A new instance placed by a host: the values of a new control, its caption its name.
    void initNew(const QString& instanceName);

    void setHost(ZibPanelHost* host) { host_ = host; }
    ZibPanelHost* host() const { return host_; }

    bool setPropertyById(int memberId, const QVariant& value);
    QVariant propertyById(int memberId) const;
    bool invokeById(int memberId);
    // The designer description of a member, or empty.
    static QString memberDescription(const char* member);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    CaptionAlignConstants captionAlign() const { return captionAlign_; }
    void setCaptionAlign(CaptionAlignConstants align);
    std::uint32_t backColor() const { return backColor_; }
    void setBackColor(std::uint32_t colour);
    std::uint32_t foreColor() const { return foreColor_; }
    void setForeColor(std::uint32_t colour);
    void setPanelEnabled(bool enabled);
    QFont panelFont() const { return font(); }
    void setPanelFont(const QFont& font);
    frameBorderStyleConstants borderStyle() const { return borderStyle_; }
    void setBorderStyle(frameBorderStyleConstants style);
    QImage picture() const { return picture_; }
    void setPicture(const QImage& picture);
    bool gradientBackColor() const { return gradientBackColor_; }
    void setGradientBackColor(bool on);
    std::uint32_t gradientColorStart() const { return gradientStart_; }
    void setGradientColorStart(std::uint32_t colour);
    std::uint32_t gradientColorEnd() const { return gradientEnd_; }
    void setGradientColorEnd(std::uint32_t colour);
    GradateSensConstant gradientSens() const { return gradientSens_; }
    void setGradientSens(GradateSensConstant sens);
    QString toolTipText() const;
    void setToolTipText(const QString& text);
    QString urlPicture() const { return urlPicture_; }
    void setURLPicture(const QString& url);
    QPixmap mouseIcon() const { return mouseIcon_; }
    void setMouseIcon(const QPixmap& icon);
    short mousePointer() const { return mousePointer_; }
    void setMousePointer(short pointer);
    CaptionSensConstants captionSens() const { return captionSens_; }
    void setCaptionSens(CaptionSensConstants sens);
    std::uint32_t maskColor() const { return maskColor_; }
    void setMaskColor(std::uint32_t colour);
    bool useMaskColor() const { return useMaskColor_; }
    void setUseMaskColor(bool on);
    short oleDropMode() const { return oleDropMode_; }
    void setOLEDropMode(short mode);

    // The persistent drawing surface (the device context) and the window id.
    QImage& hdc() { return surface_; }
    quintptr hdcValue() const { return reinterpret_cast<quintptr>(&surface_); }
    quintptr hWndValue() const { return static_cast<quintptr>(winId()); }

    // The access key of the caption's "&" markers, if any.
    std::optional<QChar> accessKey() const { return accessKey_; }

    void Refresh();
    void ShowAboutBox();
    void OLEDrag();

    // Loads the properties in their fixed order; a key that cannot be read or converted
    // leaves its property as it was.
    void readProperties(const ZibPropertyBag& bag);
    // Saves in the fixed order, values equal to their defaults left out.
    void writeProperties(ZibPropertyBag& bag) const;

    // Sends every descendant a move notification and has it repaint, so children that draw
    // from their parent's look pick up the new one.
    void NotifyChildWindows();

signals:
    void Click();
    void DblClick();
    void MouseDown(short* Button, short* Shift, float* X, float* Y);
    void MouseMove(short* Button, short* Shift, float* X, float* Y);
    void MouseUp(short* Button, short* Shift, float* X, float* Y);
    void OLECompleteDrag(int* Effect);
    void OLEDragDrop(const QMimeData** Data, int* Effect, short* Button, short* Shift, float* X, float* Y);
    void OLEDragOver(const QMimeData** Data, int* Effect, short* Button, short* Shift, float* X, float* Y, short* State);
    void OLEGiveFeedback(int* Effect, bool* DefaultCursors);
    void OLESetData(QMimeData** Data, short* DataFormat);
    void OLEStartDrag(QMimeData** Data, int* AllowedEffects);
    void KeyDown(short* KeyCode, short* Shift);
    void KeyPress(short* KeyAscii);
    void KeyUp(short* KeyCode, short* Shift);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Stores nothing itself: repaints, notifies the children and tells the host.
    void changed(const char* name);
    void tellHost(const char* name);
    void paintSurface();
    void startDownload(const QString& url);
    void downloadFinished(QNetworkReply* reply);
    void cancelDownload();
    void handleKey(QKeyEvent* event);
    void raiseMouse(QMouseEvent* event, void (ZibPanel::*signal)(short*, short*, float*, float*), short button);

    ZibPanelHost* host_;
    QImage surface_;
    QString caption_;
    CaptionAlignConstants captionAlign_ = CaptionLeftTop;
    std::uint32_t backColor_ = 0x8000000F;
    std::uint32_t foreColor_ = 0;
    frameBorderStyleConstants borderStyle_ = Raised;
    QImage picture_;
    bool gradientBackColor_ = false;
    std::uint32_t gradientStart_ = 0x808080;
    std::uint32_t gradientEnd_ = 0xE0E0E0;
    GradateSensConstant gradientSens_ = Horizontal;
    QString ownToolTip_;
    bool useOwnTipText_ = false;
    QString urlPicture_;
    QPixmap mouseIcon_;
    short mousePointer_ = 0;
    CaptionSensConstants captionSens_ = CaptionHorizontal;
    std::uint32_t maskColor_ = 0xC0C0C0;
    bool useMaskColor_ = true;
    short oleDropMode_ = 0;
    std::optional<QChar> accessKey_;

    bool settingUrlFromPicture_ = false;
    bool pictureFromDownload_ = false;
    QNetworkAccessManager* network_ = nullptr;
    QPointer<QNetworkReply> download_;
    const QEvent* previewedKey_ = nullptr; // a child's key already raised, should it bubble up
};

} // namespace zibpanel
