// The search window's three engines and what each does to the window's layout. The layout
// is a value: applying an engine takes the current one and gives the next, so that what a
// switch keeps (the window's left and top, the view's width after dangdang) follows from it.
#pragma once

#include <optional>
#include <string_view>

#include "text/gbk_text.h"

enum class SearchEngine { Taobao, Dangdang, Zhuoyue };

// The engine a settings word names: "taobao", "dangdang", "zhuoyue", byte for byte.
std::optional<SearchEngine> EngineNamed(std::string_view word);
std::string_view EngineWord(SearchEngine engine);

struct LayoutRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const LayoutRect&) const = default;
};

struct SearchLayout {
    GbkText caption;        // 标签_拖动柄
    unsigned color = 0;     // 0x00BBGGRR: the window and its three labels
    int windowWidth = 0;    // outer size; left and top stay where they are
    int windowHeight = 0;
    LayoutRect dragStrip;   // 标签_拖动柄
    LayoutRect more;        // 标签_更多按钮 (≡)
    LayoutRect close;       // 标签_关闭按钮 (×)
    LayoutRect shopFrame;   // 外形框_淘当
    bool shopFrameShown = true;
    LayoutRect view;        // 超文本浏览框, inside 外形框_淘当
    bool viewShown = true;
    LayoutRect bookFrame;   // 外形框_卓越
    bool bookFrameShown = true;
    bool operator==(const SearchLayout&) const = default;
};

// The window as designed, before any engine: 230 x 392, caption " TaoBao".
SearchLayout DesignedSearchLayout();

// The layout after ApplyEngine.
SearchLayout ApplyEngineLayout(SearchLayout layout, SearchEngine engine);
