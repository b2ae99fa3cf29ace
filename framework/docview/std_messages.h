// The framework's own words for failures it reports to the user.
#pragma once

namespace scalewright::docview {

inline constexpr char kFailedToOpenDoc[] = "Failed to open document.";
inline constexpr char kFailedToSaveDoc[] = "Failed to save document.";
inline constexpr char kFailedToCreateDoc[] = "Failed to create empty document.";
inline constexpr char kFailedToStartPrint[] = "Could not start print job.";
inline constexpr char kFailedToPrintPage[] = "The page could not be printed.";
inline constexpr char kFailedToFinishPrint[] = "The print job could not be finished.";
inline constexpr char kNoDefaultPrinter[] =
    "No default printer is selected. Install a printer and choose it as the default.";
inline constexpr char kUnregisterDone[] =
    "System registry entries have been removed and the INI file (if any) was deleted.";

}  // namespace scalewright::docview
