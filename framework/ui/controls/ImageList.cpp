#include "framework/ui/controls/ImageList.h"

#include "framework/graphics/Bitmap.h"

namespace fw {

TImageList::TImageList(Component* owner, int width, int height) : Component(owner), width_(width), height_(height) {}

TImageList::~TImageList() = default;

int TImageList::add(const Bitmap& image, TColor seeThrough)
{
    auto copy = std::make_unique<Bitmap>();
    copy->assign(image);
    copy->setSize(width_, height_);
    copy->setTransparent(true);
    if (seeThrough == clNone)
        copy->setTransparentMode(TransparentMode::Automatic);
    else
        copy->setTransparentColor(seeThrough);
    images_.push_back(std::move(copy));
    return count() - 1;
}

void TImageList::draw(Canvas& canvas, int x, int y, int index) const
{
    if (index < 0 || index >= count())
        return;
    canvas.draw(x, y, *images_[static_cast<std::size_t>(index)]);
}

}  // namespace fw
