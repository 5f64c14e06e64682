#pragma once
// A window that shows names from the place file "Position.txt" offers this, so the editor can
// tell it the file was just written and its name lists follow at once.

namespace veltrane {

class PlaceFileListener {
 public:
  virtual void PlaceFileChanged() = 0;

 protected:
  ~PlaceFileListener() = default;
};

}  // namespace veltrane
