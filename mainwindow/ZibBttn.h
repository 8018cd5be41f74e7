#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

#include <cstdint>

namespace orbivane {

// The program's gradient button: a caption on a two-colour gradient, a flat menu item, or a
// picture. It never takes the keyboard focus, so key presses keep reaching the window.
// Colours are 0x00BBGGRR values; values with the high bit set are system colours.
class ZibBttn : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(quint32 ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(quint32 HighlightColor READ highlightColor WRITE setHighlightColor)
    Q_PROPERTY(quint32 GradientColorStart READ gradientColorStart WRITE setGradientColorStart)
    Q_PROPERTY(quint32 GradientColorEnd READ gradientColorEnd WRITE setGradientColorEnd)
    Q_PROPERTY(quint32 BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(quint32 HoverBackColor READ hoverBackColor WRITE setHoverBackColor)
    Q_PROPERTY(QPixmap Picture READ picture WRITE setPicture)
    Q_PROPERTY(QPixmap DownPicture READ downPicture WRITE setDownPicture)
    Q_PROPERTY(QPixmap DisabledPicture READ disabledPicture WRITE setDisabledPicture)
    Q_PROPERTY(QPixmap HoverPicture READ hoverPicture WRITE setHoverPicture)
    Q_PROPERTY(QString ToolTipText READ toolTip WRITE setToolTip)
    Q_PROPERTY(int Left READ x WRITE setLeft)
    Q_PROPERTY(int Top READ y WRITE setTop)
    Q_PROPERTY(int Width READ width WRITE setWidth)
    Q_PROPERTY(int Height READ height WRITE setHeight)

public:
    enum class Look {
        Gradient, // title bar and window buttons; a disabled one (a frame piece) shows only its gradient
        MenuItem, // flat text on BackColor, HoverBackColor under the mouse, Verdana, left-aligned
        Picture,  // the command column: Picture, HoverPicture under the mouse, DisabledPicture
    };

    // The mouse button and shift state values of MouseDown and MouseMove.
    enum : int { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
    enum : int { ShiftMask = 1, CtrlMask = 2, AltMask = 4 };

    explicit ZibBttn(QWidget* parent = nullptr, Look look = Look::Gradient);

    Look look() const { return look_; }
    void setLook(Look look);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    std::uint32_t foreColor() const { return foreColor_; }
    void setForeColor(std::uint32_t colour);
    std::uint32_t highlightColor() const { return highlightColor_; }
    void setHighlightColor(std::uint32_t colour);
    std::uint32_t gradientColorStart() const { return gradientStart_; }
    void setGradientColorStart(std::uint32_t colour);
    std::uint32_t gradientColorEnd() const { return gradientEnd_; }
    void setGradientColorEnd(std::uint32_t colour);
    std::uint32_t backColor() const { return backColor_; }
    void setBackColor(std::uint32_t colour);
    std::uint32_t hoverBackColor() const { return hoverBackColor_; }
    void setHoverBackColor(std::uint32_t colour);

    QPixmap picture() const { return picture_; }
    void setPicture(const QPixmap& picture);
    QPixmap downPicture() const { return downPicture_; }
    void setDownPicture(const QPixmap& picture);
    QPixmap disabledPicture() const { return disabledPicture_; }
    void setDisabledPicture(const QPixmap& picture);
    QPixmap hoverPicture() const { return hoverPicture_; }
    void setHoverPicture(const QPixmap& picture);

    // Shows the move pointer over the button (the title bar).
    void setMovePointer(bool on);

    void setLeft(int left) { move(left, y()); }
    void setTop(int top) { move(x(), top); }
    void setWidth(int width) { resize(width, height()); }
    void setHeight(int height) { resize(width(), height); }

    bool underMouse() const { return hovered_; }

signals:
    void Click();
    void MouseDown(int button, int shift, int x, int y);
    void MouseMove(int button, int shift, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void paintGradient(QPainter& painter);
    void paintMenuItem(QPainter& painter);
    void paintPicture(QPainter& painter);
    const QPixmap& pictureToShow() const;
    void setColour(std::uint32_t& slot, std::uint32_t colour);

    Look look_;
    QString caption_;
    std::uint32_t foreColor_ = 0x000000;
    std::uint32_t highlightColor_ = 0xDEFF6C;
    std::uint32_t gradientStart_ = 0x808000;
    std::uint32_t gradientEnd_ = 0xE0E0E0;
    std::uint32_t backColor_ = 0x808000;
    std::uint32_t hoverBackColor_ = 0xD2D200;
    QPixmap picture_;
    QPixmap downPicture_;
    QPixmap disabledPicture_;
    QPixmap hoverPicture_;
    bool hovered_ = false;
    bool pressed_ = false;
};

} // namespace orbivane
