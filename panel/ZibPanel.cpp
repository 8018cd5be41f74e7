#include "ZibPanel.h"

#include "PanelPainting.h"
#include "PanelPersistence.h"
#include "PictureDownload.h"
#include "ZibColors.h"
#include "ZibPanelHost.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <array>
#include <cstring>
#include <utility>

namespace zibpanel {

namespace {

short buttonCode(Qt::MouseButtons buttons)
{
    short code = 0;
    if (buttons & Qt::LeftButton)
        code |= ZibPanel::LeftButton;
    if (buttons & Qt::RightButton)
        code |= ZibPanel::RightButton;
    if (buttons & Qt::MiddleButton)
        code |= ZibPanel::MiddleButton;
    return code;
}

short shiftCode(Qt::KeyboardModifiers modifiers)
{
    short code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= ZibPanel::ShiftMask;
    if (modifiers & Qt::ControlModifier)
        code |= ZibPanel::CtrlMask;
    if (modifiers & Qt::AltModifier)
        code |= ZibPanel::AltMask;
    return code;
}

// Virtual-key codes of the keys that have no character of their own; letters and digits
// share Qt's codes.
short keyCode(int key)
{
    static const std::array<std::pair<int, short>, 20> keys{{
        {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},     {Qt::Key_Return, 13}, {Qt::Key_Enter, 13},
        {Qt::Key_Shift, 16},    {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},    {Qt::Key_Escape, 27},
        {Qt::Key_Space, 32},    {Qt::Key_PageUp, 33}, {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},
        {Qt::Key_Home, 36},     {Qt::Key_Left, 37},   {Qt::Key_Up, 38},     {Qt::Key_Right, 39},
        {Qt::Key_Down, 40},     {Qt::Key_Insert, 45}, {Qt::Key_Delete, 46}, {Qt::Key_F1, 112},
    }};
    for (const auto& [qt, vk] : keys)
        if (qt == key)
            return vk;
    if (key > Qt::Key_F1 && key <= Qt::Key_F12)
        return static_cast<short>(112 + (key - Qt::Key_F1));
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return static_cast<short>(key);
    return 0;
}

int effectOf(Qt::DropAction action)
{
    switch (action) {
    case Qt::CopyAction:
        return ZibPanel::DropEffectCopy;
    case Qt::MoveAction:
        return ZibPanel::DropEffectMove;
    default:
        return ZibPanel::DropEffectNone;
    }
}

Qt::DropActions actionsOf(int effects)
{
    Qt::DropActions actions;
    if (effects & ZibPanel::DropEffectCopy)
        actions |= Qt::CopyAction;
    if (effects & ZibPanel::DropEffectMove)
        actions |= Qt::MoveAction;
    return actions;
}

Qt::DropAction actionOf(int effect)
{
    if (effect & ZibPanel::DropEffectMove)
        return Qt::MoveAction;
    if (effect & ZibPanel::DropEffectCopy)
        return Qt::CopyAction;
    return Qt::IgnoreAction;
}

// The host framework's pointer numbers.
Qt::CursorShape cursorShape(short pointer)
{
    static const std::array<Qt::CursorShape, 16> shapes{
        Qt::ArrowCursor,     Qt::ArrowCursor,  Qt::CrossCursor,    Qt::IBeamCursor,   Qt::ArrowCursor,  Qt::SizeAllCursor,
        Qt::SizeBDiagCursor, Qt::SizeVerCursor, Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::UpArrowCursor, Qt::WaitCursor,
        Qt::ForbiddenCursor, Qt::BusyCursor,   Qt::WhatsThisCursor, Qt::SizeAllCursor};
    return pointer >= 0 && pointer < static_cast<short>(shapes.size()) ? shapes[static_cast<std::size_t>(pointer)]
                                                                        : Qt::ArrowCursor;
}

constexpr short CustomPointer = 99;

struct Member {
    int id;
    const char* name;
};

constexpr std::array<Member, 22> Members{{
    {ZibPanel::IdCaption, "Caption"},
    {ZibPanel::IdCaptionAlign, "CaptionAlign"},
    {ZibPanel::IdBackColor, "BackColor"},
    {ZibPanel::IdForeColor, "ForeColor"},
    {ZibPanel::IdEnabled, "Enabled"},
    {ZibPanel::IdFont, "Font"},
    {ZibPanel::IdBorderStyle, "BorderStyle"},
    {ZibPanel::IdPicture, "Picture"},
    {ZibPanel::IdGradientBackColor, "GradientBackColor"},
    {ZibPanel::IdGradientColorStart, "GradientColorStart"},
    {ZibPanel::IdGradientColorEnd, "GradientColorEnd"},
    {ZibPanel::IdGradientSens, "GradientSens"},
    {ZibPanel::IdHdc, "hdc"},
    {ZibPanel::IdHWnd, "hWnd"},
    {ZibPanel::IdToolTipText, "ToolTipText"},
    {ZibPanel::IdURLPicture, "URLPicture"},
    {ZibPanel::IdMouseIcon, "MouseIcon"},
    {ZibPanel::IdMousePointer, "MousePointer"},
    {ZibPanel::IdCaptionSens, "CaptionSens"},
    {ZibPanel::IdMaskColor, "MaskColor"},
    {ZibPanel::IdUseMaskColor, "UseMaskColor"},
    {ZibPanel::IdOLEDropMode, "OLEDropMode"},
}};

const char* memberName(int id)
{
    for (const auto& member : Members)
        if (member.id == id)
            return member.name;
    return nullptr;
}

// The members' descriptions for designers.
constexpr std::array<std::pair<const char*, const char*>, 30> Descriptions{{
    {"Caption", "Renvoie ou définit le texte affiché dans le contrôle."},
    {"CaptionAlign", "Renvoie ou définit la position du texte affiché dans le contrôle."},
    {"BackColor", "Renvoie ou définit la couleur de fond du contrôle."},
    {"ForeColor", "Renvoie ou définit la couleur du texte affiché par le contrôle."},
    {"Enabled", "Renvoie ou définit si le contrôle répond aux actions de l'utilisateur.Un texte vertical (CaptionSens = CaptionVertical) n'est jamais affiché grisé."},
    {"Font", "Renvoie ou définit le style de police utilisé par le contrôle."},
    {"BorderStyle", "Renvoie ou définit le style de bordure du contrôle."},
    {"Picture", "Renvoie ou définit un graphisme à afficher dans un contrôle."},
    {"GradientBackColor", "Renvoie ou définit si le contrôle affiche un dégradé de couleur."},
    {"GradientColorStart", "Renvoie ou définit la couleur de début du dégradé."},
    {"GradientColorEnd", "Renvoie ou définit la couleur de fin du dégradé."},
    {"GradientSens", "Renvoie ou définit le sens du dégradé."},
    {"hdc", "Renvoie un descripteur (issu de Microsoft Windows) vers le contexte du périphérique de l'objet."},
    {"hWnd", "Renvoie un descripteur (issu de Microsoft Windows) vers une fenêtre d'objet."},
    {"ToolTipText", "Renvoie ou définit le texte de l'info-bulle qui s'affiche lorsque la souris est placée sur le contrôle."},
    {"ShowAboutBox", "Affiche la boite de dialogue À propos de."},
    {"URLPicture", "Renvoie ou définit l'adresse URL de l'image à télécharger dans la propriété Picture.."},
    {"MouseIcon", "Définit une icône de souris personnalisée."},
    {"MousePointer", "Renvoie ou définit le type de pointeur de souris affiché lorsqu'il recouvre une partie de l'objet."},
    {"CaptionSens", "Renvoie ou définit le sens du texte dans le contrôle. Le sens vertical ne fonctionne qu'avec les polices TrueType."},
    {"MaskColor", "Renvoie ou définit la couleur spécifiant les zones transparentes dans le MaskPicture."},
    {"UseMaskColor", "Renvoie ou définit si la couleur de MaskColor est utilisée comme masque, c'est-à-dire pour rendre des zones transparentes."},
    {"OLEDrag", "Initie un événement OLE glisser-déplacer avec comme source le contrôle donné."},
    {"OLEDropMode", "Renvoie ou définit si cet objet peut agir comme une cible OLE de glisser-déplacer."},
    {"OLECompleteDrag", "Survient au contrôle source d'une opération de glisser-déplacer OLE après la fin ou l'annulation d'un glisser-déplacer manuel ou automatique."},
    {"OLEDragDrop", "Survient lorsque des données sont lâchées sur un contrôle via une opération de glisser-déplacer OLE, alors que OLEDropMode est défini sur manuel."},
    {"OLEDragOver", "Survient lorsque la souris est déplacée sur le contrôle au cours d'une opération de glisser-déplacer OLE, si sa propriété OLEDropMode est définie sur manuelle."},
    {"OLEGiveFeedback", "Survient au contrôle source d'une opération de glisser-déplacer OLE lorsque le curseur de la souris doit être modifié."},
    {"OLESetData", "Survient au contrôle source d'une opération de glisser-déplacer OLE lorsque la cible demande des données qui n'étaient pas fournies au DataObject durant l'événement OLEDragStart."},
    {"OLEStartDrag", "Survient lorsqu'une opération de glisser-déplacer OLE est initialisée manuellement ou automatiquement."},
}};

// Drag data that asks the panel for a format the drop target wants but the drag did not
// supply.
class PanelMimeData final : public QMimeData {
public:
    explicit PanelMimeData(ZibPanel* panel) : panel_(panel) {}

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override
    {
        if (!QMimeData::hasFormat(mimeType) && panel_) {
            QMimeData* self = const_cast<PanelMimeData*>(this);
            short format = formatNumber(mimeType);
            emit panel_->OLESetData(&self, &format);
        }
        return QMimeData::retrieveData(mimeType, type);
    }

private:
    static short formatNumber(const QString& mimeType)
    {
        if (mimeType == QLatin1String("text/plain"))
            return 1;
        if (mimeType.startsWith(QLatin1String("image/")))
            return 2;
        if (mimeType == QLatin1String("text/uri-list"))
            return 15;
        return 0;
    }

    QPointer<ZibPanel> panel_;
};

} // namespace

ZibPanelHost::~ZibPanelHost() = default;

QFont ZibPanelHost::ambientFont() const
{
    return QApplication::font();
}

ZibPanel::ZibPanel(QWidget* parent, ZibPanelHost* host) : QWidget(parent), host_(host)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(host_ ? host_->ambientFont() : QApplication::font());
    resize(98, 39); // 1470 x 585 twips
}

ZibPanel::~ZibPanel()
{
    cancelDownload();
}

void ZibPanel::initNew(const QString& instanceName)
{
    setObjectName(instanceName);
    caption_ = instanceName;
    accessKey_ = AccessKeyFromCaption(caption_);
    paintSurface();
    update();
}

void ZibPanel::tellHost(const char* name)
{
    if (host_)
        host_->propertyChanged(*this, QString::fromLatin1(name));
}

void ZibPanel::changed(const char* name)
{
    paintSurface();
    update();
    NotifyChildWindows();
    tellHost(name);
}

void ZibPanel::paintSurface()
{
    if (surface_.size() != size())
        surface_ = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    const QPalette colours = palette();
    const QPalette maskPalette = host_ && host_->ambientPalette() ? *host_->ambientPalette() : colours;
    PanelLook look;
    look.back = TranslateColor(backColor_, colours);
    look.fore = TranslateColor(foreColor_, colours);
    look.font = font();
    look.enabled = isEnabled();
    look.caption = caption_;
    look.captionAlign = captionAlign_;
    look.captionSens = captionSens_;
    look.borderStyle = borderStyle_;
    look.picture = picture_;
    look.mask = TranslateColor(maskColor_, maskPalette);
    look.useMask = useMaskColor_;
    look.gradient = gradientBackColor_;
    look.gradientStart = TranslateColor(gradientStart_, colours);
    look.gradientEnd = TranslateColor(gradientEnd_, colours);
    look.gradientSens = gradientSens_;
    look.palette = colours;
    PaintPanel(surface_, look);
}

void ZibPanel::NotifyChildWindows()
{
    for (QWidget* child : findChildren<QWidget*>()) {
        QMoveEvent moved(child->pos(), child->pos());
        QCoreApplication::sendEvent(child, &moved);
        child->update();
    }
}

void ZibPanel::Refresh()
{
    paintSurface();
    update();
}

void ZibPanel::ShowAboutBox()
{
    QMessageBox::about(this, QStringLiteral("À propos de ZibPanel"), QStringLiteral("ZibPanel 6 — version 1.0.0"));
}

// --- properties -------------------------------------------------------------------------

void ZibPanel::setCaption(const QString& caption)
{
    caption_ = caption;
    changed("Caption");
    accessKey_ = AccessKeyFromCaption(caption_);
}

void ZibPanel::setCaptionAlign(CaptionAlignConstants align)
{
    captionAlign_ = align;
    changed("CaptionAlign");
}

void ZibPanel::setBackColor(std::uint32_t colour)
{
    backColor_ = colour;
    changed("BackColor");
}

void ZibPanel::setForeColor(std::uint32_t colour)
{
    foreColor_ = colour;
    changed("ForeColor");
}

void ZibPanel::setPanelEnabled(bool enabled)
{
    setEnabled(enabled);
    changed("Enabled");
}

void ZibPanel::setPanelFont(const QFont& font)
{
    setFont(font);
    changed("Font");
}

void ZibPanel::setBorderStyle(frameBorderStyleConstants style)
{
    borderStyle_ = style;
    changed("BorderStyle");
}

void ZibPanel::setPicture(const QImage& picture)
{
    picture_ = picture;
    if (!pictureFromDownload_) {
        settingUrlFromPicture_ = true;
        setURLPicture(QString());
        settingUrlFromPicture_ = false;
    }
    changed("Picture");
}

void ZibPanel::setURLPicture(const QString& url)
{
    if (url == urlPicture_)
        return;
    pictureFromDownload_ = !settingUrlFromPicture_;
    urlPicture_ = url;
    tellHost("URLPicture");
    if (!settingUrlFromPicture_) {
        if (!url.isEmpty())
            startDownload(url);
        else
            setPicture(QImage());
    }
    pictureFromDownload_ = false;
}

void ZibPanel::setGradientBackColor(bool on)
{
    gradientBackColor_ = on;
    changed("GradientBackColor");
}

void ZibPanel::setGradientColorStart(std::uint32_t colour)
{
    gradientStart_ = colour;
    changed("GradientColorStart");
}

void ZibPanel::setGradientColorEnd(std::uint32_t colour)
{
    gradientEnd_ = colour;
    changed("GradientColorEnd");
}

void ZibPanel::setGradientSens(GradateSensConstant sens)
{
    gradientSens_ = sens;
    changed("GradientSens");
}

QString ZibPanel::toolTipText() const
{
    if (host_ && !useOwnTipText_)
        if (const auto text = host_->toolTipFor(*this))
            return *text;
    return ownToolTip_;
}

void ZibPanel::setToolTipText(const QString& text)
{
    useOwnTipText_ = !(host_ && host_->setToolTipFor(*this, text));
    ownToolTip_ = text;
    tellHost("ToolTipText");
}

void ZibPanel::setMouseIcon(const QPixmap& icon)
{
    mouseIcon_ = icon;
    setMousePointer(mousePointer_);
    tellHost("MouseIcon");
}

void ZibPanel::setMousePointer(short pointer)
{
    mousePointer_ = pointer;
    if (pointer == CustomPointer && !mouseIcon_.isNull())
        setCursor(QCursor(mouseIcon_));
    else if (pointer == 0)
        unsetCursor();
    else
        setCursor(cursorShape(pointer));
    tellHost("MousePointer");
}

void ZibPanel::setCaptionSens(CaptionSensConstants sens)
{
    captionSens_ = sens;
    changed("CaptionSens");
}

void ZibPanel::setMaskColor(std::uint32_t colour)
{
    maskColor_ = colour;
    changed("MaskColor");
}

void ZibPanel::setUseMaskColor(bool on)
{
    useMaskColor_ = on;
    changed("UseMaskColor");
}

void ZibPanel::setOLEDropMode(short mode)
{
    oleDropMode_ = mode;
    setAcceptDrops(mode == 1);
    tellHost("OLEDropMode");
}

// --- member ids -------------------------------------------------------------------------

bool ZibPanel::setPropertyById(int memberId, const QVariant& value)
{
    const char* name = memberName(memberId);
    return name && setProperty(name, value);
}

QVariant ZibPanel::propertyById(int memberId) const
{
    const char* name = memberName(memberId);
    return name ? property(name) : QVariant();
}

bool ZibPanel::invokeById(int memberId)
{
    switch (memberId) {
    case IdRefresh:
        Refresh();
        return true;
    case IdShowAboutBox:
        ShowAboutBox();
        return true;
    case IdOLEDrag:
        OLEDrag();
        return true;
    default:
        return false;
    }
}

QString ZibPanel::memberDescription(const char* member)
{
    for (const auto& [name, text] : Descriptions)
        if (std::strcmp(name, member) == 0)
            return QString::fromUtf8(text);
    return {};
}

// --- persistence ------------------------------------------------------------------------

void ZibPanel::readProperties(const ZibPropertyBag& bag)
{
    PanelReader in(bag);
    in.colour("MaskColor", 0xC0C0C0, [this](std::uint32_t v) { maskColor_ = v; });
    in.flag("UseMaskColor", true, [this](bool v) { useMaskColor_ = v; });
    bool urlGiven = false;
    in.text("URLPicture", QString(), [&](const QString& v) {
        urlGiven = !v.isEmpty();
        if (urlGiven)
            setURLPicture(v);
    });
    if (!urlGiven)
        in.picture("Picture", [this](const QImage& v) {
            if (!v.isNull())
                setPicture(v);
        });
    in.colour("BackColor", 0x8000000F, [this](std::uint32_t v) { setBackColor(v); });
    in.colour("ForeColor", 0, [this](std::uint32_t v) { setForeColor(v); });
    in.flag("Enabled", true, [this](bool v) { setPanelEnabled(v); });
    in.font("Font", host_ ? host_->ambientFont() : QApplication::font(), [this](const QFont& v) { setPanelFont(v); });
    in.number("BorderStyle", 0, [this](short v) { borderStyle_ = static_cast<frameBorderStyleConstants>(v); });
    in.text("Caption", QString(), [this](const QString& v) { caption_ = v; });
    in.number("CaptionAlign", 0, [this](short v) { captionAlign_ = static_cast<CaptionAlignConstants>(v); });
    in.flag("GradientBackColor", false, [this](bool v) { gradientBackColor_ = v; });
    in.colour("GradientColorStart", 0x808080, [this](std::uint32_t v) { gradientStart_ = v; });
    in.colour("GradientColorEnd", 0xE0E0E0, [this](std::uint32_t v) { gradientEnd_ = v; });
    in.number("GradientSens", 0, [this](short v) { gradientSens_ = static_cast<GradateSensConstant>(v); });
    in.text("ToolTipText", QString(), [this](const QString& v) { setToolTipText(v); });
    in.number("OLEDropMode", 0, [this](short v) { setOLEDropMode(v); });
    in.pixmap("MouseIcon", [this](const QPixmap& v) { setMouseIcon(v); });
    in.number("MousePointer", 0, [this](short v) { setMousePointer(v); });
    in.number("CaptionSens", 0, [this](short v) { captionSens_ = static_cast<CaptionSensConstants>(v); });
    accessKey_ = AccessKeyFromCaption(caption_);
    paintSurface();
    update();
}

void ZibPanel::writeProperties(ZibPropertyBag& bag) const
{
    PanelWriter out(bag);
    out.colour("BackColor", backColor_, 0x8000000F);
    out.colour("ForeColor", foreColor_, 0);
    out.flag("Enabled", isEnabled(), true);
    out.font("Font", font(), host_ ? host_->ambientFont() : QApplication::font());
    out.number("BorderStyle", borderStyle_, 0);
    out.text("Caption", caption_);
    out.number("CaptionAlign", captionAlign_, 0);
    out.picture("Picture", picture_);
    out.flag("GradientBackColor", gradientBackColor_, false);
    out.colour("GradientColorStart", gradientStart_, 0x808080);
    out.colour("GradientColorEnd", gradientEnd_, 0xE0E0E0);
    out.number("GradientSens", gradientSens_, 0);
    out.text("ToolTipText", ownToolTip_);
    out.text("URLPicture", urlPicture_);
    out.pixmap("MouseIcon", mouseIcon_);
    out.number("MousePointer", mousePointer_, 0);
    out.number("CaptionSens", captionSens_, 0);
    out.colour("MaskColor", maskColor_, 0xC0C0C0);
    out.flag("UseMaskColor", useMaskColor_, true);
    out.number("OLEDropMode", oleDropMode_, 0);
}

// --- the picture address ----------------------------------------------------------------

void ZibPanel::startDownload(const QString& url)
{
    cancelDownload(); // only the newest address counts
    if (!network_)
        network_ = new QNetworkAccessManager(this);
    download_ = StartPictureDownload(*network_, url);
    if (download_)
        connect(download_, &QNetworkReply::finished, this, [this, reply = download_.data()] { downloadFinished(reply); });
}

void ZibPanel::downloadFinished(QNetworkReply* reply)
{
    reply->deleteLater();
    if (download_ == reply)
        download_ = nullptr;
    const std::optional<QImage> image = FinishPictureDownload(*reply);
    if (!image)
        return; // a failed read leaves the picture as it was
    pictureFromDownload_ = true;
    setPicture(*image);
    pictureFromDownload_ = false;
}

void ZibPanel::cancelDownload()
{
    if (!download_)
        return;
    QNetworkReply* reply = download_;
    download_ = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

// --- events -----------------------------------------------------------------------------

bool ZibPanel::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::ToolTip: {
        if (host_ && !host_->userMode())
            return true; // nothing on a design surface
        const QString text = toolTipText();
        auto* help = static_cast<QHelpEvent*>(event);
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this);
        return true;
    }
    case QEvent::ChildAdded:
        // The panel sees key strokes before its children.
        if (auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child()))
            child->installEventFilter(this);
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

bool ZibPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        handleKey(static_cast<QKeyEvent*>(event));
        previewedKey_ = event;
    }
    return QWidget::eventFilter(watched, event);
}

void ZibPanel::handleKey(QKeyEvent* event)
{
    short code = keyCode(event->key());
    short shift = shiftCode(event->modifiers());
    if (event->type() == QEvent::KeyRelease) {
        emit KeyUp(&code, &shift);
        return;
    }
    emit KeyDown(&code, &shift);
    const QString text = event->text();
    if (!text.isEmpty() && text[0].unicode() < 256) {
        short ascii = static_cast<short>(text[0].unicode());
        emit KeyPress(&ascii);
    }
}

// The key events only tell: the key goes on to the host window as if the panel were not there.
void ZibPanel::keyPressEvent(QKeyEvent* event)
{
    if (event != std::exchange(previewedKey_, nullptr))
        handleKey(event);
    QWidget::keyPressEvent(event);
}

void ZibPanel::keyReleaseEvent(QKeyEvent* event)
{
    if (event != std::exchange(previewedKey_, nullptr))
        handleKey(event);
    QWidget::keyReleaseEvent(event);
}

void ZibPanel::paintEvent(QPaintEvent*)
{
    paintSurface();
    QPainter painter(this);
    painter.drawImage(0, 0, surface_);
}

void ZibPanel::resizeEvent(QResizeEvent*)
{
    paintSurface();
    NotifyChildWindows();
}

void ZibPanel::raiseMouse(QMouseEvent* event, void (ZibPanel::*signal)(short*, short*, float*, float*), short button)
{
    short shift = shiftCode(event->modifiers());
    float x = static_cast<float>(event->position().x());
    float y = static_cast<float>(event->position().y());
    emit(this->*signal)(&button, &shift, &x, &y);
}

void ZibPanel::mousePressEvent(QMouseEvent* event)
{
    raiseMouse(event, &ZibPanel::MouseDown, buttonCode(event->button()));
}

void ZibPanel::mouseMoveEvent(QMouseEvent* event)
{
    raiseMouse(event, &ZibPanel::MouseMove, buttonCode(event->buttons()));
}

void ZibPanel::mouseReleaseEvent(QMouseEvent* event)
{
    const short button = buttonCode(event->button());
    raiseMouse(event, &ZibPanel::MouseUp, button);
    if (button == LeftButton)
        emit Click();
}

void ZibPanel::mouseDoubleClickEvent(QMouseEvent*)
{
    emit DblClick();
}

// --- drag and drop ----------------------------------------------------------------------

void ZibPanel::OLEDrag()
{
    QMimeData* data = new PanelMimeData(this);
    int allowed = DropEffectCopy | DropEffectMove;
    emit OLEStartDrag(&data, &allowed);
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    connect(drag, &QDrag::actionChanged, this, [this](Qt::DropAction action) {
        int effect = effectOf(action);
        bool defaultCursors = true;
        emit OLEGiveFeedback(&effect, &defaultCursors);
    });
    int effect = effectOf(drag->exec(actionsOf(allowed)));
    emit OLECompleteDrag(&effect);
}

namespace {

struct DropArgs {
    const QMimeData* data;
    int effect;
    short button;
    short shift;
    float x;
    float y;
};

DropArgs dropArgs(const QDropEvent* event)
{
    return {event->mimeData(),
            effectOf(event->proposedAction()),
            buttonCode(event->buttons()),
            shiftCode(event->modifiers()),
            static_cast<float>(event->position().x()),
            static_cast<float>(event->position().y())};
}

} // namespace

void ZibPanel::dragEnterEvent(QDragEnterEvent* event)
{
    dragMoveEvent(event);
}

void ZibPanel::dragMoveEvent(QDragMoveEvent* event)
{
    DropArgs a = dropArgs(event);
    short state = event->type() == QEvent::DragEnter ? DragEnter : DragOver;
    emit OLEDragOver(&a.data, &a.effect, &a.button, &a.shift, &a.x, &a.y, &state);
    if (a.effect == DropEffectNone) {
        event->ignore();
        return;
    }
    event->setDropAction(actionOf(a.effect));
    event->accept();
}

void ZibPanel::dragLeaveEvent(QDragLeaveEvent*)
{
    const QMimeData* data = nullptr;
    int effect = DropEffectNone;
    short button = 0;
    short shift = 0;
    float x = 0;
    float y = 0;
    short state = DragLeave;
    emit OLEDragOver(&data, &effect, &button, &shift, &x, &y, &state);
}

void ZibPanel::dropEvent(QDropEvent* event)
{
    DropArgs a = dropArgs(event);
    emit OLEDragDrop(&a.data, &a.effect, &a.button, &a.shift, &a.x, &a.y);
    event->setDropAction(actionOf(a.effect));
    event->accept();
}

} // namespace zibpanel
