#include "app/rs232/Lamp.h"

#include <QPainter>

Lamp::Lamp(const QColor& color, QWidget* parent) : QWidget(parent), color_(color)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void Lamp::setLit(bool lit)
{
    if (lit == lit_)
        return;
    lit_ = lit;
    update();
}

void Lamp::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = std::min(width(), height()) - 2;
    const QRectF disc((width() - side) / 2.0, (height() - side) / 2.0, side, side);
    painter.setPen(QPen(Qt::darkGray, 1));
    painter.setBrush(lit_ ? color_ : color_.darker(400));
    painter.drawEllipse(disc);
}
