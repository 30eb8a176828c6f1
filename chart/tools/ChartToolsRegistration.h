// The tool classes that the editors' tool gallery offers, registered in the gallery's order.
#pragma once

void RegisterChartTools();
void UnRegisterChartTools();
