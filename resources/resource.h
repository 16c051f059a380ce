#pragma once
// Ids and names of the program's resources, shared by the resource scripts
// and the code. Only #define lines: the resource compiler reads this too.

// String table. The program's entries fill the block 65312 to 65343 as its
// windows arrive.
// The skinned menus and the system menu of the skinned windows.
#define IDS_MINIMIZE_TO_TRAY 65312
#define IDS_ITEM_ALREADY_INSERTED 65313
#define IDS_NOT_ON_WINDOWS_NT 65314
#define IDS_SYSTEM_RESOURCES_FREE 65315
#define IDS_USER_RESOURCES_FREE 65316
#define IDS_GDI_RESOURCES_FREE 65317
#define IDS_TRAY_HINT 65318
#define IDS_LOW_RESOURCES_WARNING 65319
#define IDS_SEPARATOR 65338
#define IDS_MAXIMIZE 65339
#define IDS_MINIMIZE 65340
#define IDS_CLOSE 65341
#define IDS_ROLLUP 65342
#define IDS_RESTORE 65343
// Captions of the push-button kinds.
#define IDS_KSBTN_OK 65378
#define IDS_KSBTN_CANCEL 65379
#define IDS_KSBTN_YES 65380
#define IDS_KSBTN_NO 65381
#define IDS_KSBTN_HELP 65382
#define IDS_KSBTN_CLOSE 65383
#define IDS_KSBTN_IGNORE 65384
#define IDS_KSBTN_RETRY 65385
#define IDS_KSBTN_ABORT 65386
#define IDS_KSBTN_ALL 65387

// Named resources: the scripts write the bare name, the code asks for
// RESOURCE_NAME(RES_...), the same name as a string.
#define RES_MAIN_ICON MAINICON
#define RES_TRAY_GAUGE_EMPTY TRAY_GAUGE_EMPTY
#define RES_GAUGES GAUGES
// The Luna theme's atlases: active frames and controls, inactive frames.
#define RES_LUNA_ATLAS XP_MAIN
#define RES_LUNA_ATLAS_INACTIVE XP_MAIN1
// Caption-button images of the system menu.
#define RES_KSE_CLOSE KSE_CLOSE
#define RES_KSE_MINIMIZE KSE_MINIMIZE
#define RES_KSE_MAXIMIZE KSE_MAXIMIZE
#define RES_KSE_RESTORE KSE_RESTORE
#define RES_KSE_ROLLUP KSE_ROLLUP
#define RES_KSE_TRAY KSE_TRAY
// Push-button kind glyphs.
#define RES_KSBTN_OK KSBTN_OK
#define RES_KSBTN_CANCEL KSBTN_CANCEL
#define RES_KSBTN_HELP KSBTN_HELP
#define RES_KSBTN_YES KSBTN_YES
#define RES_KSBTN_NO KSBTN_NO
#define RES_KSBTN_CLOSE KSBTN_CLOSE
#define RES_KSBTN_ABORT KSBTN_ABORT
#define RES_KSBTN_RETRY KSBTN_RETRY
#define RES_KSBTN_IGNORE KSBTN_IGNORE
#define RES_KSBTN_ALL KSBTN_ALL

#define RESOURCE_NAME(id) RESOURCE_NAME_TEXT(id)
#define RESOURCE_NAME_TEXT(name) #name
