#pragma once

// Dispatches the window messages of this thread that are waiting, and returns when none is
// left. A WM_QUIT found on the way is posted again for the message loop to see.
void PumpPendingMessages();
