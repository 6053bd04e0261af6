#pragma once
// The hourglass while the program is busy.

namespace expo::ui {

// Shows the hourglass for the scope's lifetime; scopes nest.
class BusyCursor {
  public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace expo::ui
