#include "tools/film/show_film.h"

#include <cstdio>
#include <vector>

#include "tools/film/show_camera.h"
#include "tools/film/show_plan.h"

namespace kestro {

namespace {

constexpr double MICROSECONDS_PER_SECOND_F = 1e6;

std::string numbered(const char* pattern, size_t number) {
    char name[32];
    std::snprintf(name, sizeof name, pattern, number);
    return name;
}

double seconds(uint64_t microseconds) {
    return static_cast<double>(microseconds) / MICROSECONDS_PER_SECOND_F;
}

class ListFile {
  public:
    explicit ListFile(const std::string& path) : file_(std::fopen(path.c_str(), "w")) {}
    ~ListFile() {
        if (file_ != nullptr)
            std::fclose(file_);
    }
    ListFile(const ListFile&) = delete;
    ListFile& operator=(const ListFile&) = delete;

    bool open() const { return file_ != nullptr; }
    std::FILE* file() { return file_; }
    bool close() {
        std::FILE* file = file_;
        file_ = nullptr;
        return file != nullptr && std::fclose(file) == 0;
    }

  private:
    std::FILE* file_;
};

} // namespace

bool filmShow(const FilmRequest& request, std::string& problem) {
    const ShowPlan plan = planShow();
    std::vector<uint64_t> frames = plan.frameMoments;
    const bool wholeCycle = request.frameLimit == 0;
    if (!wholeCycle && request.frameLimit < frames.size())
        frames.resize(request.frameLimit);
    const std::vector<StageStill> stills =
        wholeCycle ? plan.stageStills : std::vector<StageStill>{};

    ShowCamera camera(request.spritePath);
    if (!camera.start(problem))
        return false;
    ListFile filmList(request.folder + "/film.txt");
    ListFile stageList(request.folder + "/stages.txt");
    if (!filmList.open() || (wholeCycle && !stageList.open())) {
        problem = "cannot write into " + request.folder;
        return false;
    }

    // Frames and stills in the order of their moments: the clock never goes
    // back, and a still on a frame's moment is the same picture.
    size_t frame = 0;
    size_t still = 0;
    while (frame < frames.size() || still < stills.size()) {
        const bool frameFirst =
            still == stills.size() ||
            (frame < frames.size() && frames[frame] <= stills[still].microseconds);
        const uint64_t moment = frameFirst ? frames[frame] : stills[still].microseconds;
        const Picture picture = camera.pictureAt(moment);
        while (frame < frames.size() && frames[frame] == moment) {
            const std::string name = numbered("frame-%04zu.ppm", frame);
            if (!writePpm(request.folder + "/" + name, picture)) {
                problem = "cannot write " + request.folder + "/" + name;
                return false;
            }
            std::fprintf(filmList.file(), "%s %.3f\n", name.c_str(), seconds(moment));
            ++frame;
        }
        while (still < stills.size() && stills[still].microseconds == moment) {
            const std::string name =
                numbered("stage-%02zu.ppm", static_cast<size_t>(stills[still].stage));
            if (!writePpm(request.folder + "/" + name, picture)) {
                problem = "cannot write " + request.folder + "/" + name;
                return false;
            }
            std::fprintf(stageList.file(), "%s %d %.1f\n", name.c_str(), stills[still].stage,
                         seconds(moment));
            ++still;
        }
    }
    if (!filmList.close() || (wholeCycle && !stageList.close())) {
        problem = "cannot finish the lists in " + request.folder;
        return false;
    }
    return true;
}

} // namespace kestro
