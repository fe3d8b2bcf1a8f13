#pragma once
// Films the show off-screen: the renderer's scene, drawn with its sprite and
// projection at the renderer's window size, advanced by the renderer's step
// pacer on a clock the camera sets, so every picture is a function of the
// moment alone.

#include <cstdint>
#include <memory>
#include <string>

#include "tools/film/picture.h"

namespace kestro {

// The renderer's window; the film scales it down to FILM_WIDTH x FILM_HEIGHT.
constexpr int SHOW_WIDTH = 1024;
constexpr int SHOW_HEIGHT = 768;
constexpr int FILM_WIDTH = 480;
constexpr int FILM_HEIGHT = 360;

class ShowCamera {
  public:
    explicit ShowCamera(const std::string& spritePath);
    ~ShowCamera();
    ShowCamera(const ShowCamera&) = delete;
    ShowCamera& operator=(const ShowCamera&) = delete;

    // False when there is no off-screen context or the scene did not start;
    // `problem` then says which.
    bool start(std::string& problem);

    // Runs the show's steps due by this moment (microseconds since the
    // start; moments must not go back) and returns the picture on the screen
    // then, at film size.
    Picture pictureAt(uint64_t microseconds);

  private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

} // namespace kestro
