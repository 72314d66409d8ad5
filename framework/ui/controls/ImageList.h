#pragma once
// TImageList: a list of images of one size, each drawn with its see-through colour skipped.
// Images are copied in; the list owns its copies.

#include "framework/core/Color.h"
#include "framework/ui/model/Component.h"

#include <memory>
#include <vector>

namespace fw {

class Bitmap;
class Canvas;

class TImageList : public Component {
public:
    TImageList(Component* owner, int width, int height);
    ~TImageList() override;

    int width() const { return width_; }
    int height() const { return height_; }
    int count() const { return static_cast<int>(images_.size()); }

    // Adds a copy of `image`, cut or padded to the list's size. `seeThrough` is the colour left
    // out when drawing; clNone takes the image's bottom-left pixel. Returns the new index.
    int add(const Bitmap& image, TColor seeThrough = clNone);

    // Draws image `index` with its top-left corner at (x, y) in its enabled look; an index
    // outside the list draws nothing.
    void draw(Canvas& canvas, int x, int y, int index) const;

private:
    int width_;
    int height_;
    std::vector<std::unique_ptr<Bitmap>> images_;
};

}  // namespace fw
