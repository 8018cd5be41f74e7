#include "ZibBttn.h"

#include "ZibColors.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace orbivane {

namespace {

int buttonCode(Qt::MouseButtons buttons)
{
    int code = 0;
    if (buttons & Qt::LeftButton)
        code |= ZibBttn::LeftButton;
    if (buttons & Qt::RightButton)
        code |= ZibBttn::RightButton;
    if (buttons & Qt::MiddleButton)
        code |= ZibBttn::MiddleButton;
    return code;
}

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    int code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= ZibBttn::ShiftMask;
    if (modifiers & Qt::ControlModifier)
        code |= ZibBttn::CtrlMask;
    if (modifiers & Qt::AltModifier)
        code |= ZibBttn::AltMask;
    return code;
}

} // namespace

ZibBttn::ZibBttn(QWidget* parent, Look look) : QWidget(parent), look_(look)
{
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    if (look_ == Look::MenuItem) {
        foreColor_ = 0xFFFFFF;
        setFont(QFont(QStringLiteral("Verdana"), 8));
    }
}

void ZibBttn::setLook(Look look)
{
    look_ = look;
    update();
}

void ZibBttn::setCaption(const QString& caption)
{
    caption_ = caption;
    update();
}

void ZibBttn::setColour(std::uint32_t& slot, std::uint32_t colour)
{
    slot = colour;
    update();
}

void ZibBttn::setForeColor(std::uint32_t colour) { setColour(foreColor_, colour); }
void ZibBttn::setHighlightColor(std::uint32_t colour) { setColour(highlightColor_, colour); }
void ZibBttn::setGradientColorStart(std::uint32_t colour) { setColour(gradientStart_, colour); }
void ZibBttn::setGradientColorEnd(std::uint32_t colour) { setColour(gradientEnd_, colour); }
void ZibBttn::setBackColor(std::uint32_t colour) { setColour(backColor_, colour); }
void ZibBttn::setHoverBackColor(std::uint32_t colour) { setColour(hoverBackColor_, colour); }

void ZibBttn::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void ZibBttn::setDownPicture(const QPixmap& picture)
{
    downPicture_ = picture;
    update();
}

void ZibBttn::setDisabledPicture(const QPixmap& picture)
{
    disabledPicture_ = picture;
    update();
}

void ZibBttn::setHoverPicture(const QPixmap& picture)
{
    hoverPicture_ = picture;
    update();
}

void ZibBttn::setMovePointer(bool on)
{
    if (on)
        setCursor(Qt::SizeAllCursor);
    else
        unsetCursor();
}

void ZibBttn::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    switch (look_) {
    case Look::Gradient:
        paintGradient(painter);
        break;
    case Look::MenuItem:
        paintMenuItem(painter);
        break;
    case Look::Picture:
        paintPicture(painter);
        break;
    }
}

void ZibBttn::paintGradient(QPainter& painter)
{
    QLinearGradient gradient(0, 0, width(), 0);
    gradient.setColorAt(0, zibpanel::TranslateColor(gradientStart_));
    gradient.setColorAt(1, zibpanel::TranslateColor(gradientEnd_));
    painter.fillRect(rect(), gradient);
    if (!isEnabled() || caption_.isEmpty())
        return; // a disabled piece of the frame shows only its gradient
    painter.setPen(zibpanel::TranslateColor(hovered_ ? highlightColor_ : foreColor_));
    painter.drawText(rect(), Qt::AlignCenter, caption_);
}

void ZibBttn::paintMenuItem(QPainter& painter)
{
    painter.fillRect(rect(), zibpanel::TranslateColor(hovered_ ? hoverBackColor_ : backColor_));
    painter.setPen(zibpanel::TranslateColor(hovered_ ? highlightColor_ : foreColor_));
    painter.drawText(rect().adjusted(6, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, caption_);
}

const QPixmap& ZibBttn::pictureToShow() const
{
    if (!isEnabled() && !disabledPicture_.isNull())
        return disabledPicture_;
    // The command column keeps stock pictures in DownPicture (the sound button), so only the other
    // looks show it while pressed.
    if (isEnabled() && pressed_ && !downPicture_.isNull() && look_ != Look::Picture)
        return downPicture_;
    if (isEnabled() && hovered_ && !hoverPicture_.isNull())
        return hoverPicture_;
    return picture_;
}

void ZibBttn::paintPicture(QPainter& painter)
{
    const QPixmap& shown = pictureToShow();
    if (shown.isNull())
        return;
    const QSize size = shown.deviceIndependentSize().toSize();
    const QPoint topLeft((width() - size.width()) / 2, (height() - size.height()) / 2);
    painter.drawPixmap(QRect(topLeft, size), shown);
}

void ZibBttn::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    const QPoint at = event->position().toPoint();
    emit MouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), at.x(), at.y());
}

void ZibBttn::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    emit MouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()), at.x(), at.y());
}

void ZibBttn::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    update();
    if (click && isEnabled())
        emit Click();
}

void ZibBttn::enterEvent(QEnterEvent*)
{
    hovered_ = true;
    update();
}

void ZibBttn::leaveEvent(QEvent*)
{
    hovered_ = false;
    update();
}

void ZibBttn::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        pressed_ = false;
        update();
    }
    QWidget::changeEvent(event);
}

} // namespace orbivane
