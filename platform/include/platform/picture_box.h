#pragma once
// A black picture box showing one picture of an image list, centred:
//   PictureBox box; box.SetPicture(&ImageList1(), 3) -> the times sign;
//   box.PictureIndex() -> 3;  SetPicture(nullptr, 0) -> plain black.
// It paints the picture itself, so it stays crisp at any pixel ratio.
#include <QWidget>

namespace spanwright::platform {

class ImageList;

class PictureBox : public QWidget {
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void SetPicture(const ImageList* list, int index);
    int PictureIndex() const { return index_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ImageList* list_ = nullptr;
    int index_ = 0;
};

}  // namespace spanwright::platform
