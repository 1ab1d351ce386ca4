#include "agent/logic/filter_edit_result.h"

FilterEditResult CombineFilterEdit(FilterEditResult so_far, FilterListOutcome outcome, bool written,
                                   bool nt_platform) {
    switch (outcome) {
    case FilterListOutcome::AlreadyPresent:
        return so_far == FilterEditResult::NoChange ? FilterEditResult::AlreadyPresent : so_far;
    case FilterListOutcome::Inserted:
        return written && nt_platform ? FilterEditResult::Added : so_far;
    default: return so_far;
    }
}
