#pragma once

#include <optional>
#include <string>
#include <vector>

// What an install records so that an uninstall can put the desktop's screen saver back: the
// SCRNSAVE.EXE value that the first install replaced, or its absence. Values are Shift-JIS
// paths; "ours" are the forms (long and short) under which our saver is registered.
using SaverValue = std::optional<std::string>;

// Whether a registered value names our saver: paths compare without regard to ASCII case,
// and the second byte of a double-byte character is never folded.
bool NamesOurSaver(const SaverValue& value, const std::vector<std::string>& ours);

// The value to record at an install, or nothing when a record exists already (the first one
// is kept). A current value that is our own saver records as no value: restoring it would
// name a file that the uninstall removes.
std::optional<SaverValue> ValueToRecord(bool bRecorded, const SaverValue& current,
                                        const std::vector<std::string>& ours);

enum class RestoreStep
{
    Leave,   // the user has chosen another saver since: keep it
    Put,     // put the recorded value back
    Remove,  // there was none before ours
};

// What the uninstall does with the current value, given the record (none: nothing recorded).
RestoreStep ChooseRestore(const SaverValue& current, const std::optional<SaverValue>& recorded,
                          const std::vector<std::string>& ours);
