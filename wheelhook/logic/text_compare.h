// Class names are compared the way the platform compares them: ASCII, ignoring case.
#pragma once

bool EqualsIgnoringCase(const char* left, const char* right);
