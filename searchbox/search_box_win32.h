// The floating shop-search window. It is opened at the end of the start-up and from the
// "rivor" menu items, and closed by the exit; the window itself is not built yet, so both
// calls do nothing for now.
#pragma once

void OpenSearchBox();
void CloseSearchBox();
