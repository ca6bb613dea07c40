// The default-schedule results window, asphalt against asphalt.
#pragma once

#include "platform/controls.h"
#include "platform/form.h"

namespace orv {

class MDIMain;

class FmDefaultACAC : public Form {
    Q_OBJECT
public:
    explicit FmDefaultACAC(MDIMain& main);

private:
    MDIMain& main_;
};

}  // namespace orv
