// Identifiers shared by the resource script and the code.
#pragma once

#define IDI_TAVREL 1

// Data resources (RCDATA): the about picture (a JPEG) and the help window's
// two pages (UTF-8 text).
#define IDR_ABOUT_PICTURE 10
#define IDR_HELP_PAGE 11
#define IDR_WHATSNEW_PAGE 12
