// The Office keys: the application started unless one of its windows is there already, with
// the popup turned into its "not found" caption when the start fails.
#pragma once

// `index` 0 Word, 1 Excel, 2 PowerPoint, 3 Outlook. The popup already shows the application.
void PerformOfficeKey(int index);
