#pragma once

#include <QWidget>

// The Trium Mars as the keypad's backdrop, drawn rather than shipped as an image: a dark
// handset with earpiece, display and a key field that the keypad buttons cover.
class HandsetPicture : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Width = 141;
    static constexpr int Height = 300;

    explicit HandsetPicture(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
