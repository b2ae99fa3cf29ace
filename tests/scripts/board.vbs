' A board driven from VBScript by late binding, as a script user drives it:
' created by its ProgID, set to A Aeolian, every property read back, and
' a refused value caught with its error text. Prints one line a check and
' ends with exit code 1 at the first that fails.
Option Explicit
Dim board, failures
failures = 0

Sub Check(what, actual, expected)
  If actual = expected Then
    WScript.Echo "ok: " & what
  Else
    WScript.Echo "FAIL: " & what & ": got [" & actual & "], expected [" & expected & "]"
    failures = failures + 1
  End If
End Sub

Set board = CreateObject("Neckview.Fretboard")
board.Tonality = 9
board.Mode = "Aeolian"
board.ShowSteps = "1,3,5"
board.Highlight = "1"
board.LabelKind = 3
board.FirstFret = 5
board.LastFret = 17
board.SideDots = True
board.Rectangles = True
board.Tuning = "E B G D A E"
board.NoteShown(10) = True
board.NoteShown(11) = False
board.LeftHanded = True
board.Spelling = 2

Check "Tonality", board.Tonality, 9
Check "Mode", board.Mode, "Aeolian"
Check "ShowSteps", board.ShowSteps, "1,3,5"
Check "Highlight", board.Highlight, "1"
Check "LabelKind", board.LabelKind, 3
Check "FirstFret", board.FirstFret, 5
Check "LastFret", board.LastFret, 17
Check "SideDots", board.SideDots, True
Check "Rectangles", board.Rectangles, True
Check "Tuning", board.Tuning, "E B G D A E"
Check "NoteShown(10)", board.NoteShown(10), True
Check "NoteShown(11)", board.NoteShown(11), False
Check "LeftHanded", board.LeftHanded, True
Check "Spelling", board.Spelling, 2

On Error Resume Next
board.Tonality = 12
Check "Tonality 12 refused", Err.Description, "Tonality must be 0 to 11"
Check "Tonality 12 is E_INVALIDARG", Hex(Err.Number), "80070057"
Err.Clear
board.NoteShown(-1) = True
Check "NoteShown(-1) refused", Err.Description, "NoteShown's index must be 0 to 11"
Err.Clear
board.Spelling = 3
Check "Spelling 3 refused", Err.Description, "Spelling must be 0 (sharps), 1 (flats) or 2 (as the key)"
Err.Clear
On Error GoTo 0
Check "Spelling kept", board.Spelling, 2
Check "Tonality kept", board.Tonality, 9
Check "Mode kept", board.Mode, "Aeolian"

If failures > 0 Then WScript.Quit 1
WScript.Echo "all checks passed"
