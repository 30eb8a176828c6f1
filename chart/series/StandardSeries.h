// The gallery entries of the series types: the nine standard ones in gallery order, and the
// arrow, bubble, Gantt and shape series. Each registration also makes the classes known to
// the streaming by name; a second registration adds nothing.
#pragma once

void RegisterTeeStandardSeries();
void RegisterTeeExtendedSeries();
// Takes the gallery entries and the class names of both groups away again.
void UnRegisterTeeStandardSeries();
void UnRegisterTeeExtendedSeries();
