// orvantis-chart: the chart of the present moment at home, or of an election moment and place,
// printed as a table or JSON, without the window. Links no GUI library, so a text chart starts
// fast; wheel images run in orvantis-chart-images.
#include "cli/orvantis_chart_main.h"

int main(int argc, char** argv) {
    return orvantis::RunChartProgram(argc, argv, nullptr);
}
