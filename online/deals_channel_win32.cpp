#include "online/deals_channel_win32.h"

#include "deployment.h"
#include "win32/link_opener_win32.h"

void OpenDealsChannel() { LinkOpener(kDealsChannelAddress); }
