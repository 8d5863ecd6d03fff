#include "UninstallRecord.h"

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

std::optional<SaverValue> ValueToRecord(bool bRecorded, const SaverValue& current, const std::vector<std::string>& ours)
{
    if (bRecorded)
        return std::nullopt;
    return std::optional<SaverValue>(std::in_place, NamesOurSaver(current, ours) ? SaverValue() : current);
}

RestoreStep ChooseRestore(const SaverValue& current, const std::optional<SaverValue>& recorded,
                          const std::vector<std::string>& ours)
{
    if (!NamesOurSaver(current, ours))
        return RestoreStep::Leave;
    return recorded && *recorded ? RestoreStep::Put : RestoreStep::Remove;
}
