// SPDX-License-Identifier: GPL-3.0-or-later
// The language the page starts in: a ?lang= in the address chooses it for that link, then the
// user's remembered choice, then on the first visit the browser's language (Traditional Chinese
// for Taiwan and Hong Kong, Simplified for any other Chinese, English otherwise).

import type { LanguageCode } from "./core-api";

export type PageLanguage = LanguageCode;

const storageKey = "tlv6200.language";

export function isPageLanguage(text: string | null | undefined): text is PageLanguage {
  return text === "en" || text === "zh-CN" || text === "zh-TW";
}

// The language of a browser language tag such as "zh-HK", "zh-Hant" or "en-GB".
export function languageOfBrowserTag(tag: string): PageLanguage {
  const lower = tag.toLowerCase();
  if (!lower.startsWith("zh")) return "en";
  if (/^zh-(tw|hk|mo)\b/.test(lower) || lower.startsWith("zh-hant")) return "zh-TW";
  return "zh-CN";
}

export interface LanguageSources {
  search: string; // location.search
  remembered: string | null; // what the user chose before
  browser: readonly string[]; // navigator.languages
}

export function startingLanguage(sources: LanguageSources): PageLanguage {
  const asked = new URLSearchParams(sources.search).get("lang");
  if (isPageLanguage(asked)) return asked;
  if (isPageLanguage(sources.remembered)) return sources.remembered;
  const first = sources.browser.find((tag) => tag.length > 0);
  return first ? languageOfBrowserTag(first) : "en";
}

export function pageStartingLanguage(): PageLanguage {
  let remembered: string | null = null;
  try {
    remembered = localStorage.getItem(storageKey);
  } catch {
    // Storage may be closed (private windows of some browsers): nothing is remembered then.
  }
  const browser = navigator.languages?.length ? navigator.languages : [navigator.language ?? "en"];
  return startingLanguage({ search: location.search, remembered, browser });
}

export function rememberLanguage(language: PageLanguage): void {
  try {
    localStorage.setItem(storageKey, language);
  } catch {
    // Not remembered: the next visit asks the browser again.
  }
}

// The value of <html lang>.
export function htmlLang(language: PageLanguage): string {
  return language === "en" ? "en" : language === "zh-TW" ? "zh-Hant-TW" : "zh-Hans-CN";
}
