// The parameter string the Control Panel may start the applet with (CPL_STARTWPARMS): the
// number of the page to open on, counted from 1.
#pragma once

namespace applet {

// The start-page index (from 0) of a parameter: its leading decimal number minus 1, as the C
// library reads a number (spaces, then an optional sign, then digits); 0 - 1 when it has none.
// A number too large for an int is held at the int's limit instead of overflowing.
int StartPageOfParameter(const char* parameter);

}  // namespace applet
