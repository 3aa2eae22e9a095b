// Resource identifiers of TodayVeloranth.dll.
#pragma once

#define IDI_FILE_ICON 102
#define IDI_ITEM_ICON 104
#define IDD_OPTIONS 500
#define IDC_START_VELORANTH 1001
