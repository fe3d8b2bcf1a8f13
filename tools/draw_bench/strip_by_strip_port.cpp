#include "tools/draw_bench/strip_by_strip_port.h"

#if defined(_WIN32)
#include <windows.h> // the GL header relies on it there
#endif
#include <GL/gl.h>

namespace kestro::tools {

void StripByStripPort::drawCloud(const ParticleCloud& cloud, float sizeScale) {
    beginCloudPicture(cloud);
    const float baseHalfSize = sizeScale * BASE_HALF_SIZE;
    for (const Particle& particle : cloud.particles) {
        if (!addsToPicture(particle))
            continue;
        const float halfWidth = baseHalfSize + particle.padX;
        const float halfHeight = baseHalfSize + particle.padY;
        glColor4f(particle.red, particle.green, particle.blue, particle.opacity);
        glBegin(GL_TRIANGLE_STRIP);
        glTexCoord2d(1, 1);
        glVertex3f(particle.x + halfWidth, particle.y + halfHeight, particle.z);
        glTexCoord2d(0, 1);
        glVertex3f(particle.x - halfWidth, particle.y + halfHeight, particle.z);
        glTexCoord2d(1, 0);
        glVertex3f(particle.x + halfWidth, particle.y - halfHeight, particle.z);
        glTexCoord2d(0, 0);
        glVertex3f(particle.x - halfWidth, particle.y - halfHeight, particle.z);
        glEnd();
    }
}

} // namespace kestro::tools
