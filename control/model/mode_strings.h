/* String resources of the mode list. The module's STRINGTABLE and the host
   platforms take their texts from here, so there is one copy of each text.
   Kept resource-compiler safe: include guards, macros, plain literals. */
#ifndef SCALEWRIGHT_CONTROL_UI_MODE_STRINGS_H
#define SCALEWRIGHT_CONTROL_UI_MODE_STRINGS_H

#define IDS_MODE_WRONG_DIGIT 107
#define IDS_MODE_NO_DASH 108
#define IDS_DEFAULT_MODES 111
#define IDS_MODE_BAD_SUM 112
#define IDS_MODES_NOT_SAVED 113

#define IDS_MODE_WRONG_DIGIT_TEXT \
  "There's a wrong character in the intervals. Only digits are accepted. See the sample below."
#define IDS_MODE_NO_DASH_TEXT                                                                      \
  "An incorrectly specified mode is encountered. Mode definition must contain a dash '-' between " \
  "the mode name and the intervals. See the sample below."
/* Seven modes joined by CR LF, no break after the last. */
#define IDS_DEFAULT_MODES_TEXT                                                            \
  "Ionian-2212221\r\nDorian-2122212\r\nPhrygian-1222122\r\nLydian-2221221\r\nMixolydian-" \
  "2212212\r\nAeolian-2122122\r\nLocrian-1221222"
/* "%s" is replaced by the mode's name. */
#define IDS_MODE_BAD_SUM_TEXT                                                                    \
  "There is an incorrect interval structure specified for the mode %s. A sum of intervals must " \
  "be 12."
/* "%s" is replaced by the modes file's path. */
#define IDS_MODES_NOT_SAVED_TEXT                                                               \
  "The modes could not be saved to %s. The file may be open in another program or read-only, " \
  "or its folder may not be writable. Your changes are still in the editor."

#ifndef RC_INVOKED
#include <string>
#include <string_view>

namespace scalewright {

// |message| with |name| in place of its "%s". The name goes in as plain
// text, so a '%' in it is shown as typed.
inline std::string FormatWithName(std::string message, std::string_view name) {
  const std::size_t at = message.find("%s");
  if (at != std::string::npos) message.replace(at, 2, name);
  return message;
}

// The built-in text of string |id|; nullptr for an id this file does not hold.
inline const char* BuiltInModeText(int id) {
  switch (id) {
    case IDS_MODE_WRONG_DIGIT:
      return IDS_MODE_WRONG_DIGIT_TEXT;
    case IDS_MODE_NO_DASH:
      return IDS_MODE_NO_DASH_TEXT;
    case IDS_DEFAULT_MODES:
      return IDS_DEFAULT_MODES_TEXT;
    case IDS_MODE_BAD_SUM:
      return IDS_MODE_BAD_SUM_TEXT;
    case IDS_MODES_NOT_SAVED:
      return IDS_MODES_NOT_SAVED_TEXT;
    default:
      return nullptr;
  }
}

}  // namespace scalewright
#endif  // RC_INVOKED

#endif  // SCALEWRIGHT_CONTROL_UI_MODE_STRINGS_H
