#include "searchbox/search_box_win32.h"

void OpenSearchBox() {}

void CloseSearchBox() {}
