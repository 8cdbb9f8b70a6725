// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The RTF that every grid of a document is written with, as Word 97 wrote it:
// the style sheet that opens a grid, the start of a row and of each cell, the
// row's texts, and the ends of a row and of the grid.

#include <string_view>

namespace kalto::test {

constexpr std::string_view GridStart =
    R"(\par \pard\plain\cgrid{\stylesheet{\nowidctlpar\widctlpar\adjustright \fs20\cgrid \snext0 Normal;})"
    R"({\*\cs10 \additive Default Paragraph Font;}})"
    R"({\*\pnseclvl1\pnucrm\pnstart1\pnindent720\pnhang{\pntxta)"
    R"(.}}{\*\pnseclvl2\pnucltr\pnstart1\pnindent720\pnhang)"
    R"({\pntxta .}}{\*\pnseclvl3\pndec\pnstart1\pnindent720\pnhang{\pntxta)"
    R"(.}}{\*\pnseclvl4\pnlcltr\pnstart1\pnindent720\pnhang{\pntxta)"
    R"()}}{\*\pnseclvl5\pndec\pnstart1\pnindent720\pnhang{\pntxtb (}{\pntxta)"
    R"()}}{\*\pnseclvl6\pnlcltr\pnstart1\pnindent720\pnhang)"
    R"({\pntxtb (}{\pntxta )}}{\*\pnseclvl7\pnlcrm\pnstart1\pnindent720\pnhang{\pntxtb (}{\pntxta)"
    R"()}}{\*\pnseclvl8\pnlcltr\pnstart1\pnindent720\pnhang{\pntxtb (}{\pntxta)"
    R"()}}{\*\pnseclvl9\pnlcrm\pnstart1\pnindent720\pnhang{\pntxtb (}{\pntxta )}})";
constexpr std::string_view RowStart =
    R"(\trowd\trgaph108\trrh260\trleft90\trbrdrt\brdrs\brdrw10\trbrdrl\brdrs\brdrw10)"
    R"(\trbrdrb\brdrs\brdrw10\trbrdrr\brdrs\brdrw10\trbrdrh\brdrs\brdrw10\trbrdrv\brdrs\brdrw10)";
constexpr std::string_view CellStart = R"(\clvertalt\clbrdrt\brdrs\brdrw10\clbrdrl\brdrs\brdrw10\clbrdrb\brdrs\brdrw10)"
                                       R"(\clbrdrr\brdrs\brdrw10\clcbpat15\cltxlrtb)";
constexpr std::string_view RowTexts = R"(\pard\ri-123\nowidctlpar\widctlpar\intbl\adjustright {\f0\fs16\cgrid0 )";
constexpr std::string_view RowEnd = R"(}\pard \nowidctlpar\widctlpar\intbl\adjustright {\row})";
constexpr std::string_view GridEnd = R"(\pard\nowidctlpar\widctlpar\adjustright )";

}  // namespace kalto::test
