// The control ids of the pages' dialog templates, as the tests address the controls.
#pragma once

namespace kp_test {

// "Hot Keys"
constexpr int kKeyGroup = 1001;
constexpr int kSearchButton = 1002;
constexpr int kMailButton = 1003;
constexpr int kDescription = 1004;
constexpr int kFirstChoice = 1005;
constexpr int kSecondChoice = 1006;
constexpr int kCustomChoice = 1007;
constexpr int kAddress = 1008;
constexpr int kMailProgram = 1010;
constexpr int kCalculatorButton = 1011;
constexpr int kPowerButton = 1012;
constexpr int kHotKeyList = 1023;
constexpr int kSelectProgram = 1024;
constexpr int kPicture = 1028;
constexpr int kProgramName = 1030;

// "On-Screen Display": the six check boxes are 1011 to 1016.
constexpr int kFirstDisplayBox = 1011;
constexpr int kDisplayTime = 1017;

// "Options"
constexpr int kPrtScr = 1018;
constexpr int kCapsLock = 1019;
constexpr int kLeftWindow = 1020;
constexpr int kApplication = 1022;

// "Select"
constexpr int kPath = 1025;
constexpr int kBrowse = 1026;
constexpr int kOnScreenName = 1027;

}  // namespace kp_test
