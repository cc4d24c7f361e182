// A window header, which only the ui/ layer may include.
#include <QWidget>
