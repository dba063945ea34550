// The modal about dialog: shown until one of its buttons unloads it.
#pragma once

namespace narabe {

class AboutDialog {
  public:
    virtual ~AboutDialog() = default;
    // Shows the dialog; in the window program this returns once it has been unloaded.
    virtual void showModal() = 0;
    virtual void unload() = 0;
};

} // namespace narabe
