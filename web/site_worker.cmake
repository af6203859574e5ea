# site_worker.cmake -- writes the site's service worker (cmake -P): its cache is named by a hash
# of every file it keeps, so that each build that changes a file is a new cache.
# -DSITE=DIR -DTEMPLATE=sw.js.in -DFILES="index.html;football.js;..."
set(contents "")
set(listed "\"./\"")
foreach(file IN LISTS FILES)
    file(SHA256 ${SITE}/${file} hash)
    string(APPEND contents "${file} ${hash}\n")
    string(APPEND listed ", \"${file}\"")
endforeach()
string(SHA256 build "${contents}")
string(SUBSTRING ${build} 0 16 FOOTBALL_SITE_BUILD)
set(FOOTBALL_SITE_FILES ${listed})
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
