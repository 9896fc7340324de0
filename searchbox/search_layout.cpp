#include "searchbox/search_layout.h"

namespace {

constexpr unsigned Rgb(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }

constexpr unsigned kOrange = Rgb(192, 96, 0);
constexpr unsigned kBlue = Rgb(0, 96, 192);

void ColourAndCaption(SearchLayout& layout, const char* caption, unsigned color) {
    layout.caption = caption;
    layout.color = color;
}

// The window hugs the shown container: 2 pixels of margin at the sides and at the bottom,
// its top is the container's own top, under the drag strip.
void FitWindowTo(SearchLayout& layout, const LayoutRect& container) {
    layout.windowWidth = container.width + 4;
    layout.windowHeight = container.top + container.height + 2;
}

// × keeps 2 pixels from the right edge and ≡ 2 pixels from ×.
void PlaceLabelButtons(SearchLayout& layout) {
    layout.close.left = layout.windowWidth - layout.close.width - 2;
    layout.more.left = layout.close.left - layout.more.width - 2;
}

void ShowShopFrame(SearchLayout& layout, LayoutRect view, LayoutRect frame) {
    layout.view = view;
    layout.shopFrame = frame;
    layout.bookFrameShown = false;
    layout.viewShown = true;
    layout.shopFrameShown = true;
    // The size depends on the frame's width, top and height only, so dangdang's frame can be
    // placed at 12 and then moved to the common left margin.
    FitWindowTo(layout, layout.shopFrame);
    layout.shopFrame.left = 2;
    PlaceLabelButtons(layout);
}

}  // namespace

std::optional<SearchEngine> EngineNamed(std::string_view word) {
    if (word == "taobao") return SearchEngine::Taobao;
    if (word == "dangdang") return SearchEngine::Dangdang;
    if (word == "zhuoyue") return SearchEngine::Zhuoyue;
    return std::nullopt;
}

std::string_view EngineWord(SearchEngine engine) {
    switch (engine) {
    case SearchEngine::Taobao: return "taobao";
    case SearchEngine::Dangdang: return "dangdang";
    case SearchEngine::Zhuoyue: return "zhuoyue";
    }
    return "taobao";
}

SearchLayout DesignedSearchLayout() {
    SearchLayout layout;
    layout.caption = " TaoBao";
    layout.color = kOrange;
    layout.windowWidth = 230;
    layout.windowHeight = 392;
    layout.dragStrip = {0, 0, 242, 16};
    layout.more = {206, 0, 14, 16};
    layout.close = {220, 0, 14, 16};
    layout.shopFrame = {2, 165, 230, 47};
    layout.view = {-12, -14, 300, 79};
    layout.bookFrame = {2, 16, 226, 41};
    return layout;
}

SearchLayout ApplyEngineLayout(SearchLayout layout, SearchEngine engine) {
    switch (engine) {
    case SearchEngine::Taobao:
        ColourAndCaption(layout, " TaoBao", kOrange);
        // The view moves but keeps its size, so a width that dangdang set stays.
        ShowShopFrame(layout, {-12, -14, layout.view.width, layout.view.height}, {2, 13, 230, 47});
        break;
    case SearchEngine::Dangdang:
        ColourAndCaption(layout, " DangDang", kBlue);
        ShowShopFrame(layout, {-93, -14, 600, layout.view.height}, {12, 13, 210, 47});
        break;
    case SearchEngine::Zhuoyue:
        layout.viewShown = false;
        layout.shopFrameShown = false;
        ColourAndCaption(layout, " ZhuoYue", kOrange);
        layout.bookFrameShown = true;
        layout.bookFrame.left = 2;
        layout.bookFrame.top = 16;
        FitWindowTo(layout, layout.bookFrame);
        PlaceLabelButtons(layout);
        break;
    }
    return layout;
}
