// web_page.cpp -- the page's side of the program, through emscripten's JavaScript calls.
#include "platform/web/web_page.h"

#include <emscripten.h>
#include <emscripten/html5.h>

namespace web {

std::string pageQuery() {
    return emscripten_run_script_string("location.search");
}

void showPageMessage(const std::string& text) {
    EM_ASM(
        {
            const line = document.getElementById('message');
            if (line) {
                line.textContent = UTF8ToString($0);
                line.hidden = false;
            }
        },
        text.c_str());
}

void showPageStatus(const std::string& text) {
    EM_ASM(
        {
            const line = document.getElementById('status');
            if (line) {
                line.textContent = UTF8ToString($0);
                line.hidden = !line.textContent;
            }
        },
        text.c_str());
}

void reportPageError(const std::string& text) {
    EM_ASM(
        {
            const text = UTF8ToString($0);
            console.error(text);
            const log = document.getElementById('log');
            if (log)
                log.textContent += text + '\n';
        },
        text.c_str());
}

void showFrameCount(long long frames) {
    EM_ASM({ Module.canvas.dataset.frames = String($0); }, static_cast<double>(frames));
}

void canvasDevicePixels(int& width, int& height) {
    double cssWidth = 0.0, cssHeight = 0.0;
    emscripten_get_element_css_size("#canvas", &cssWidth, &cssHeight);
    const double ratio = pagePixelRatio();
    width = static_cast<int>(cssWidth * ratio + 0.5);
    height = static_cast<int>(cssHeight * ratio + 0.5);
}

double pagePixelRatio() {
    const double ratio = emscripten_get_device_pixel_ratio();
    return ratio > 0.0 ? ratio : 1.0;
}

void addPageHelpRow(const std::string& key, const std::string& action, bool touch) {
    EM_ASM(
        {
            const table = document.getElementById('guide-keys');
            if (!table)
                return;
            const row = table.insertRow();
            if ($2)
                row.className = 'touch';
            const name = document.createElement('th');
            name.scope = 'row';
            name.textContent = UTF8ToString($0);
            row.appendChild(name);
            row.insertCell().textContent = UTF8ToString($1);
        },
        key.c_str(), action.c_str(), touch ? 1 : 0);
}

bool touchScreen() {
    return EM_ASM_INT({ return navigator.maxTouchPoints > 0 ? 1 : 0; }) != 0;
}

void announceOnPage(const std::string& text) {
    EM_ASM(
        {
            if (window.football && football.announce)
                football.announce(UTF8ToString($0));
        },
        text.c_str());
}

void showPausedOnPage(bool paused) {
    EM_ASM({ document.body.classList.toggle('paused', $0 != 0); }, paused ? 1 : 0);
}

// clang-format off
void toggleFullScreen() {
    EM_ASM({
        if (document.fullscreenElement)
            document.exitFullscreen();
        else if (document.documentElement.requestFullscreen)
            document.documentElement.requestFullscreen().catch(function() {});
    });
}

// football-YYYYMMDD-HHMMSS-mmm.png in local time, as the desktop program names its pictures.
void downloadPicture() {
    EM_ASM({
        const now = new Date();
        const two = function(n) { return String(n).padStart(2, '0'); };
        const name = 'football-' + now.getFullYear() + two(now.getMonth() + 1) +
                     two(now.getDate()) + '-' + two(now.getHours()) + two(now.getMinutes()) +
                     two(now.getSeconds()) + '-' + String(now.getMilliseconds()).padStart(3, '0') +
                     '.png';
        Module.canvas.toBlob(function(blob) {
            if (!blob) {
                console.error('football: the picture could not be made');
                return;
            }
            const link = document.createElement('a');
            link.href = URL.createObjectURL(blob);
            link.download = name;
            link.click();
            setTimeout(function() { URL.revokeObjectURL(link.href); }, 10000);
        }, 'image/png');
    });
}
// clang-format on

}  // namespace web
