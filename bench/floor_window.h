// The toolkit's floor for the window: a plain QWidget of the same size holding the controls
// of the control table as the same kinds of widget (QLabel, QFrame, QLineEdit, QPushButton)
// at the same places with the same texts, in the default fonts and colours and with no
// behaviour. The program that links it provides the control table.
#pragma once

#include <QWidget>

namespace varnel::bench {

class FloorWindow : public QWidget {
  public:
    FloorWindow();
};

}  // namespace varnel::bench
