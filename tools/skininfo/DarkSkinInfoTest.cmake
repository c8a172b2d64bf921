# The skin tool on the dark skin the build writes beside the program, run by ctest as
#   cmake -DSKININFO=<tool> -DSKIN=<MidnightEmber.qzkn> -DDIR=<scratch dir>
#         [-DEMULATOR=<runner>] [-DPREFIX=<path prefix the programs see>] -P DarkSkinInfoTest.cmake
# The summary names the skin, counts its bitmaps and objects and shows its trees; the
# maximum-compression form of it is described alike.

include(${CMAKE_CURRENT_LIST_DIR}/SkinInfoChecks.cmake)
require_variables(SKININFO SKIN DIR)

file(REMOVE_RECURSE ${DIR})
file(MAKE_DIRECTORY ${DIR})
file(COPY_FILE ${SKIN} ${DIR}/dark.qzkn)

describe("@dark.qzkn")
expect_lines("${out}"
             "SkinName \"Midnight Ember\""
             "SkinVersion \"3.4.0\""
             "Author \"Mirevan Team\""
             "AuthorEMail \"team@mirevan.example\""
             "AuthorURL \"\""
             "Bitmaps 29"
             "  0 \"top\" 184x48 []"
             "  26 \"scroll\" 101x105 [AlphaBlend]"
             "  28 \"progress\" 60x16 [AlphaBlend]"
             "Objects 24"
             "  TSeSkinObject \"Form\" skForm (0, 0, 320, 240)"
             "    TSeSkinObject \"Caption\" skNone (4, 0, 312, 24)"
             "        TSeBitmapObject \"Title\" skTitle (50, 0, 120, 24)"
             "  TSeSkinObject \"ScrollBar\" skNone (0, 0, 120, 17)"
             "    TSeBitmapObject \"VertFrame\" skNone (0, 0, 17, 120)"
             "    TSeButtonObject \"LeftButton\" skNone (0, 0, 17, 17)"
             "  TSeSkinObject \"TrackBar\" skNone (0, 0, 150, 45)"
             "    TSeButtonObject \"ThumbHorz\" skNone (0, 0, 11, 20)"
             "  TSeBitmapObject \"Hint\" skNone (0, 0, 120, 24)"
             "  TSeSkinObject \"ToolWindow\" skForm (0, 0, 200, 150)"
             "      TSeSystemButton \"CloseButton\" skSysButton (179, 3, 16, 13)")
count_lines("${out}" "  +TSe[A-Za-z]+ \"[A-Za-z0-9]+\" sk[A-Za-z]+ \\(-?[0-9]+, -?[0-9]+, [0-9]+, [0-9]+\\)"
            142 "object lines")
count_lines("${out}" "  TSe[A-Za-z]+ " 24 "top-level objects")
count_lines("${out}" "  [0-9]+ \"[a-z]+\" [0-9]+x[0-9]+ " 29 "bitmap lines")
if(out MATCHES "Skipped|Transparent")
  fail("nothing was skipped and no bitmap has key-coloured pixels, yet:\n${out}")
endif()
set(original "${out}")
describe("@dark.qzkn" --convert "@dark.mskn")
describe("@dark.mskn")
if(NOT out STREQUAL original)
  fail("the maximum-compression copy is described otherwise:\n${out}")
endif()

finish_checks()
