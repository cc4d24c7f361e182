// A core header that reaches a widget: the layer check must refuse it.
#include <QLabel>
