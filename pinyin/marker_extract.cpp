#include "pinyin/marker_extract.h"

GbkText MarkerExtract(std::string_view text, std::string_view startMarker, std::string_view endMarker) {
    const TextPos p = FindText(text, startMarker, 1);
    if (p == kNotFound) return {};
    const TextPos q = p + TextLength(startMarker);
    const TextPos e = FindText(text, endMarker, q);
    if (e == kNotFound) return {};
    return MidText(text, q, e - q);
}
