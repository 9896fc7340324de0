#pragma once

// Opens the shopping site's affiliate channel page with the link opener.
void OpenDealsChannel();
