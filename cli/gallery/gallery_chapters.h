// The gallery's chapters in the order the index shows them; each is defined in
// its own file under cli/gallery/chapters/.
#pragma once

#include "gallery/gallery_pages.h"

namespace vxcli::gallery {

GalleryChapter NeonChapter();
GalleryChapter WarpChapter();
GalleryChapter FractalizeChapter();
GalleryChapter ShadowChapter();
GalleryChapter BorderChapter();
GalleryChapter CircleChapter();
GalleryChapter EmbossChapter();
GalleryChapter CutoutChapter();
GalleryChapter ReflectionsChapter();
GalleryChapter TrailChapter();
GalleryChapter FrameChapter();
GalleryChapter TilingChapter();
GalleryChapter LensChapter();
GalleryChapter WaveChapter();
GalleryChapter CraftChapter();
GalleryChapter GenerationChapter();
GalleryChapter RoughChapter();
GalleryChapter ThreeDChapter();
GalleryChapter MetaBrushChapter();
GalleryChapter BroomChapter();
GalleryChapter GalaxyChapter();
GalleryChapter ExplosionChapter();

inline constexpr GalleryChapter (*kChapters[])() = {
    NeonChapter,
    WarpChapter,
    FractalizeChapter,
    ShadowChapter,
    BorderChapter,
    CircleChapter,
    EmbossChapter,
    CutoutChapter,
    ReflectionsChapter,
    TrailChapter,
    FrameChapter,
    TilingChapter,
    LensChapter,
    CraftChapter,
    WaveChapter,
    GenerationChapter,
    RoughChapter,
    ThreeDChapter,
    MetaBrushChapter,
    BroomChapter,
    GalaxyChapter,
    ExplosionChapter,
};

}  // namespace vxcli::gallery
