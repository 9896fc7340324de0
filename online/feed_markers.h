// The markers of the feed pages, so that the pages can be written for the program.
#pragma once

// The ad caption's page, enciphered.
inline constexpr char kAdFeedStart[] = "[联机开始]";
inline constexpr char kAdFeedEnd[] = "[联机结束]";
inline constexpr char kAdCaptionStart[] = "[广告文本开始]";
inline constexpr char kAdCaptionEnd[] = "[广告文本结束]";
inline constexpr char kAdLinkStart[] = "[广告链接开始]";
inline constexpr char kAdLinkEnd[] = "[广告链接结束]";

// The outer pair of the search window's menu page (enciphered) and of the mini info page
// (plain); the two are different pages.
inline constexpr char kInfoFeedStart[] = "[联机信息开始]";
inline constexpr char kInfoFeedEnd[] = "[联机信息结束]";

inline constexpr char kMenuTitleStart[] = "[菜单标题开始]";
inline constexpr char kMenuTitleEnd[] = "[菜单标题结束]";
inline constexpr char kMenuLinkStart[] = "[菜单链接开始]";
inline constexpr char kMenuLinkEnd[] = "[菜单链接结束]";

inline constexpr char kMiniCssStart[] = "[css网址开始]";
inline constexpr char kMiniCssEnd[] = "[css网址结束]";
inline constexpr char kMiniPageStart[] = "[子夹1html内容开始]";
inline constexpr char kMiniPageEnd[] = "[子夹1html内容结束]";
