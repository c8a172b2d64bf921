# Checks of the skin tool on the sample skins, run by ctest as
#   cmake -DMODE=<mode> -DSKININFO=<tool> -DWRITER=<WriteSkinSamples> -DDIR=<scratch dir>
#         [-DEMULATOR=<runner>] [-DPREFIX=<path prefix the programs see>] -P SkinInfoTests.cmake
# MODE:
#   describe   every sample file is described exactly, and all forms alike
#   convert    conversions between the forms keep the description, and are stable
#   malformed  bad input, bad arguments and unwritable output fail with one line
#   skipped    records of unknown classes are listed after the objects
# With an EMULATOR (Wine), the program's standard error arrives in its standard output.

include(${CMAKE_CURRENT_LIST_DIR}/SkinInfoChecks.cmake)
require_variables(MODE SKININFO WRITER DIR)

file(REMOVE_RECURSE ${DIR})
file(MAKE_DIRECTORY ${DIR})
execute_process(COMMAND ${EMULATOR} ${WRITER} "${PREFIX}${DIR}" RESULT_VARIABLE written)
if(NOT written EQUAL 0 OR NOT EXISTS ${DIR}/sample.qzkn)
  message(FATAL_ERROR "WriteSkinSamples failed (${written})")
endif()

set(header_lines
    "SkinName \"Mirevan Blue\""
    "SkinVersion \"3.4.0\""
    "Author \"Mirevan Team\""
    "AuthorEMail \"skin@mirevan.example\""
    "AuthorURL \"\"")
# The sample's object trees: the first and deepest objects, and one of each level.
set(tree_lines
    "Objects 3"
    "  TSeSkinObject \"Form\" skForm (0, 0, 320, 240)"
    "    TSeActiveBitmap \"Caption\" skCaption (0, 0, 320, 22)"
    "      TSeSystemButton \"Close\" skSysButton (276, 4, 16, 14)"
    "    TSeBitmapObject \"Client\" skClient (0, 22, 320, 218)"
    "  TSeButtonObject \"Button\" skNone (0, 0, 75, 25)"
    "    TSeSysButtonSkinObject \"Roller\" skSysButton (0, 0, 0, 0)"
    "    TSeRollPanelObject \"Panel\" skNone (0, 0, 0, 0)")
set(classes TSeSkinObject TSeActiveObject TSeBitmapObject TSeActiveBitmap TSeSystemButton
            TSeButtonObject TSeTextObject TSeLinkSkinObject TSeBitmapSkinObject
            TSeFormBitmapSkinObject TSeSysButtonSkinObject TSeActiveSkinObject
            TSeColorButtonObject TSeBitmapBoxObject TSeActiveBitmapBoxObject
            TSeButtonBitmapBoxObject TSeRollPanelObject)

if(MODE STREQUAL "describe")
  set(first "")
  foreach(form "@sample.uskn" "@sample.qzkn" "@sample.xskn" "@sample.mskn" "--stored;@sample.stored")
    describe(${form})
    expect_lines("${out}" ${header_lines} ${tree_lines}
                 "Bitmaps 3"
                 "  0 \"top\" 184x44 [Transparent, AlphaBlend]"
                 "  2 \"client\" 128x128 [Transparent, AlphaBlend]")
    count_lines("${out}" "  +TSe[A-Za-z]+ \"[A-Za-z]+\" sk[A-Za-z]+ \\(-?[0-9]+, -?[0-9]+, [0-9]+, [0-9]+\\)" 17
                "object lines")
    foreach(class IN LISTS classes)
      count_lines("${out}" " +${class} " 1 "objects of class ${class}")
    endforeach()
    if(out MATCHES "Skipped")
      fail("${form}: nothing was skipped, yet:\n${out}")
    endif()
    if(first STREQUAL "")
      set(first "${out}")
    elseif(NOT out STREQUAL first)
      fail("${form} is described otherwise than sample.uskn:\n${out}\n---\n${first}")
    endif()
  endforeach()

  # BMP bitmap records in the max form: 24-bit pictures, one with key-coloured pixels.
  describe("@legacy.mskn")
  expect_lines("${out}" ${header_lines} ${tree_lines}
               "Bitmaps 2" "  0 \"frame\" 4x2 [Transparent]" "  1 \"top\" 1x1 []")

  # The stored form also in a copy the tool wrote.
  describe("--stored" "@sample.stored" "--convert" "@copy.stored")
  describe("--stored" "@copy.stored")
  if(NOT out STREQUAL first)
    fail("the stored copy is described otherwise:\n${out}")
  endif()

  # A stored file without a skin: one zero byte. Only the stored form can hold it.
  find_program(HEAD head REQUIRED)
  execute_process(COMMAND ${HEAD} -c 1 /dev/zero OUTPUT_FILE ${DIR}/none.stored)
  describe("--stored" "@none.stored" "--convert" "@none-copy.stored")
  if(NOT out STREQUAL "No skin\n")
    fail("a stored file without a skin is described as '${out}'")
  endif()
  file(READ ${DIR}/none-copy.stored copy HEX)
  if(NOT copy STREQUAL "00")
    fail("a stored file without a skin was copied as '${copy}'")
  endif()
  expect_failure("${PREFIX}${DIR}/none.mskn" --stored "@none.stored" --convert "@none.mskn")

elseif(MODE STREQUAL "convert")
  describe("@sample.qzkn")
  set(original "${out}")
  # compressed -> max -> uncompressed -> ultra -> stored -> compressed, each step described
  # alike, and each result read back alike.
  describe("@sample.qzkn" --convert "@one.mskn")
  set(steps "${out}")
  describe("@one.mskn" --convert "@two.uskn")
  list(APPEND steps "${out}")
  describe("@two.uskn" --convert "@three.xskn")
  list(APPEND steps "${out}")
  describe("@three.xskn" --convert "@four.stored")
  list(APPEND steps "${out}")
  describe(--stored "@four.stored" --convert "@five.qzkn")
  list(APPEND steps "${out}")
  foreach(file one.mskn two.uskn three.xskn four.stored five.qzkn)
    if(file MATCHES "stored$")
      describe(--stored "@${file}")
    else()
      describe("@${file}")
    endif()
    list(APPEND steps "${out}")
  endforeach()
  set(step 0)
  foreach(description IN LISTS steps)
    math(EXPR step "${step} + 1")
    if(NOT description STREQUAL original)
      fail("description ${step} of the conversions differs from sample.qzkn's:\n${description}")
    endif()
  endforeach()
  if(NOT step EQUAL 10)
    fail("${step} descriptions instead of 10")
  endif()
  # Loading settles the pictures (colours next to the key become the key), so the first
  # conversion may differ from the sample; from then on the bytes are stable.
  describe("@two.uskn" --convert "@again.uskn")
  file(SHA256 ${DIR}/two.uskn before)
  file(SHA256 ${DIR}/again.uskn after)
  if(NOT before STREQUAL after)
    fail("converting two.uskn to the same form changed its bytes")
  endif()
  describe("@five.qzkn" --convert "@again.qzkn")
  file(SHA256 ${DIR}/five.qzkn before)
  file(SHA256 ${DIR}/again.qzkn after)
  if(NOT before STREQUAL after)
    fail("converting five.qzkn to the same form changed its bytes")
  endif()

elseif(MODE STREQUAL "malformed")
  find_program(HEAD head REQUIRED)
  foreach(form uskn qzkn mskn)
    foreach(length 0 3 40 3000)
      execute_process(COMMAND ${HEAD} -c ${length} ${DIR}/sample.${form}
                      OUTPUT_FILE ${DIR}/cut${length}.${form})
      expect_failure("${PREFIX}${DIR}/cut${length}.${form}" "@cut${length}.${form}")
    endforeach()
  endforeach()
  execute_process(COMMAND ${HEAD} -c 2000 ${DIR}/sample.stored OUTPUT_FILE ${DIR}/cut.stored)
  expect_failure("${PREFIX}${DIR}/cut.stored" --stored "@cut.stored")
  file(WRITE ${DIR}/garbage.qzkn "QZLZ this is not a zlib stream")
  expect_failure("${PREFIX}${DIR}/garbage.qzkn" "@garbage.qzkn")
  file(WRITE ${DIR}/text.uskn "object Form: TSeSkinObject\nend\n")
  expect_failure("${PREFIX}${DIR}/text.uskn" "@text.uskn")
  file(WRITE ${DIR}/seven.stored "7")
  expect_failure("${PREFIX}${DIR}/seven.stored" --stored "@seven.stored")
  file(WRITE ${DIR}/empty.stored "")
  expect_failure("${PREFIX}${DIR}/empty.stored" --stored "@empty.stored")
  # Extensions, files and arguments.
  file(COPY_FILE ${DIR}/sample.qzkn ${DIR}/sample.zip)
  expect_failure("${PREFIX}${DIR}/sample.zip" "@sample.zip")
  expect_failure("${PREFIX}${DIR}/missing.qzkn" "@missing.qzkn")
  expect_failure("${PREFIX}${DIR}/out.zip" "@sample.qzkn" --convert "@out.zip")
  if(EXISTS ${DIR}/out.zip)
    fail("out.zip was written")
  endif()
  expect_failure("${PREFIX}${DIR}/no/such/dir.mskn" "@sample.qzkn" --convert "@no/such/dir.mskn")
  expect_failure("--frobnicate" --frobnicate "@sample.qzkn")
  expect_failure("--convert" "@sample.qzkn" --convert)
  expect_failure("(no file)")

elseif(MODE STREQUAL "skipped")
  # The top-level object "Kinds" under a class name nobody registered (same length, so the
  # record's sizes stay right): the load passes its record over, children and all.
  find_program(SED sed REQUIRED)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C ${SED} s/TSeActiveObject/TSeUnknownThing/g
                          ${DIR}/sample.uskn OUTPUT_FILE ${DIR}/unknown.uskn)
  describe("@unknown.uskn")
  expect_lines("${out}" ${header_lines} "Objects 2" "Skipped 1" "  TSeUnknownThing")
  if(NOT out MATCHES "\nSkipped 1\n  TSeUnknownThing\n$")
    fail("the skipped class is not the last part:\n${out}")
  endif()
  if(out MATCHES "Roller|Panel")
    fail("the children of the skipped record were read:\n${out}")
  endif()

else()
  message(FATAL_ERROR "unknown MODE ${MODE}")
endif()

finish_checks()
