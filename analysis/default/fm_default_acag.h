// The default-schedule results window, asphalt against aggregate.
#pragma once

#include "platform/controls.h"
#include "platform/form.h"

namespace orv {

class MDIMain;

class FmDefaultACAG : public Form {
    Q_OBJECT
public:
    explicit FmDefaultACAG(MDIMain& main);

private:
    MDIMain& main_;
};

}  // namespace orv
