#include "rules/PreviousSaver.h"

#include "ShiftJisPath.h"

bool NamesOurSaver(const SaverValue& value, const std::vector<std::string>& ours)
{
    if (!value)
        return false;
    for (const std::string& strOurs : ours) {
        if (!strOurs.empty() && SamePath(*value, strOurs))
            return true;
    }
    return false;
}

std::optional<SaverValue> ValueToRecord(bool bRecorded, const SaverValue& current, bool bOurs)
{
    if (!bOurs)
        return std::optional<SaverValue>(std::in_place, current);
    if (bRecorded)
        return std::nullopt;
    return std::optional<SaverValue>(std::in_place, SaverValue());
}

RestoreStep ChooseRestore(bool bOurs, const std::optional<SaverValue>& recorded, bool bRecordedThere)
{
    if (!bOurs)
        return RestoreStep::Leave;
    return recorded && *recorded && bRecordedThere ? RestoreStep::Put : RestoreStep::Remove;
}
