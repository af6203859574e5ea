// gl_errors.h -- reading back and naming the error flags of the current OpenGL context.
#pragma once

#include <string>

namespace render {

// Drains every error flag the current context has set since the last call
// (glGetError until it answers "no error", at most a few dozen times, since a
// broken context may never stop answering). Returns the names of the errors
// found, in the order reported and separated by ", " (e.g.
// "GL_INVALID_ENUM, GL_STACK_OVERFLOW"), or an empty string when there were
// none. Called after start-up and after every frame by football-record and
// by the offscreen tests; the program itself does not query errors.
std::string drainGlErrors();

// The name of one error code ("GL_INVALID_VALUE"; unknown codes as hex).
std::string glErrorName(unsigned int error);

}  // namespace render
