# Writes SITE/service_worker.js from TEMPLATE: @FILES@ becomes the list of the site's other
# files (and "./", the page itself), @VERSION@ a digest of their contents, so that any change
# to them makes a new version.
file(GLOB files RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files service_worker.js)
list(SORT files)
set(digests "")
set(FILES "'./'")
foreach(file IN LISTS files)
  file(SHA256 ${SITE}/${file} digest)
  string(APPEND digests "${file} ${digest}\n")
  string(APPEND FILES ", '${file}'")
endforeach()
string(SHA256 VERSION "${digests}")
string(SUBSTRING ${VERSION} 0 16 VERSION)
configure_file(${TEMPLATE} ${SITE}/service_worker.js @ONLY)
