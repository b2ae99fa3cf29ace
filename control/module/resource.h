/* Resource identifiers of the Neckview module. Resource-compiler safe. */
#ifndef SCALEWRIGHT_CONTROL_MODULE_RESOURCE_H
#define SCALEWRIGHT_CONTROL_MODULE_RESOURCE_H

#define IDS_PROJNAME 100
/* Toolbox bitmap, named by the control's ToolboxBitmap32 key. */
#define IDB_FRETBOARD 102
/* Title and document string of the property page. */
#define IDS_TITLE_FRETPROP 104
#define IDS_DOCSTRING_FRETPROP 106

#endif /* SCALEWRIGHT_CONTROL_MODULE_RESOURCE_H */
