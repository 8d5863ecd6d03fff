#pragma once

#include <optional>
#include <string>
#include <vector>

// What an install records so that an uninstall can put the desktop's screen saver back: the
// last SCRNSAVE.EXE value of the user's own that an install replaced, or its absence. Values are Shift-JIS
// paths; "ours" are the forms (long and short) under which our saver is registered.
using SaverValue = std::optional<std::string>;

// Whether a registered value names our saver: paths compare without regard to ASCII case,
// and the second byte of a double-byte character is never folded.
bool NamesOurSaver(const SaverValue& value, const std::vector<std::string>& ours);

// The value to record at an install, or nothing when the record stays. A value that is not
// our saver is the user's latest choice and is recorded, over any earlier record; our own
// saver keeps the record of what it replaced, or records no value where there is none:
// restoring ours would name a file that the uninstall removes. bOurs: current names our saver.
std::optional<SaverValue> ValueToRecord(bool bRecorded, const SaverValue& current, bool bOurs);

enum class RestoreStep
{
    Leave,   // the user has chosen another saver since: keep it
    Put,     // put the recorded value back
    Remove,  // there was none before ours, or its file is gone
};

// What the uninstall does with the current value, given whether it names our saver, the record
// (none: nothing recorded) and whether the recorded saver's file is still there: a setting that
// names a missing file would be no saver at all, and the next uninstall of that product would
// find it gone.
RestoreStep ChooseRestore(bool bOurs, const std::optional<SaverValue>& recorded, bool bRecordedThere);
