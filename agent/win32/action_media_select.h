// The Media Select key: the media-select window opened, or its selection moved on while it is
// open (on ME the system's own player is started instead).
#pragma once

void PerformMediaSelect();
