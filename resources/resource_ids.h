// Resource ids shared by ziyinfang.rc and the code.
#pragma once

#define IDI_ZIYINFANG 1
#define IDI_SEARCH_BOX 2
#define IDB_EDGE_STRIP 101
#define IDB_CLOSE_BUTTON 102
#define IDB_MINIMISE_BUTTON 103
#define IDB_MORE_BUTTON 104
#define IDB_AD_PICTURE 105
#define IDB_SEARCH_START 106
