#pragma once
// An indicator lamp: a coloured disc that is lit or dark.
#include <QColor>
#include <QWidget>

class Lamp : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool lit READ isLit WRITE setLit)
public:
    Lamp(const QColor& color, QWidget* parent = nullptr);

    bool isLit() const { return lit_; }
    void setLit(bool lit);

    QSize sizeHint() const override { return {14, 14}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
    bool lit_ = false;
};
