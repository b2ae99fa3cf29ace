/* Resource identifiers of the Neckview module. Resource-compiler safe. */
#ifndef SCALEWRIGHT_CONTROL_MODULE_RESOURCE_H
#define SCALEWRIGHT_CONTROL_MODULE_RESOURCE_H

#define IDS_PROJNAME 100
/* Toolbox bitmap, named by the control's ToolboxBitmap32 key. */
#define IDB_FRETBOARD 102
/* The dialogs' and the property page's identifiers. */
#include "control/ui/dialog_ids.h"

#endif /* SCALEWRIGHT_CONTROL_MODULE_RESOURCE_H */
