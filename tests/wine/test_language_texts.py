#!/usr/bin/env python3
"""The texts as a running program loads them back: setup.exe's own string
table and setupCHT.dll hold the Traditional Chinese wording word for word, and
every library's table is marked with its own language."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402

TRADITIONAL_CHINESE = [
    "安裝",
    "取消",
    "完成",
    "按一下「安裝」以開始安裝。按一下「取消」結束安裝精靈。",
    "精靈已準備就緒，可以開始安裝了。",
    "開始複製檔案",
    "安裝精靈已成功完成安裝了。",
    "按一下「完成」以結束精靈。",
    "安裝失敗",
    "移除",
    "移除所有已安裝功能。",
    "按一下「移除」以開始移除。按一下「取消」結束移除精靈。",
    "開始移除檔案",
    "移除失敗",
    "移除精靈已成功完成移除",
    "安裝精靈正在進行中...",
    "移除精靈正在進行中...",
    "立即重新啟動電腦",
    "稍後再重新啟動電腦",
    "立即啟動應用程式",
]

# Library code -> language identifier of its string table.
LANGUAGES = {
    "ENU": "0409", "CHT": "0404", "CHS": "0804", "JPN": "0411", "KOR": "0412",
    "FRA": "040C", "DEU": "0407", "ITA": "0410", "RUS": "0419", "ESN": "0C0A",
    "SVE": "041D", "NLD": "0413", "PTB": "0416",
}


def string_tables(session, modules):
    """{module: (languages, [text of id 1 .. id 20])} as dumpstrings loads them."""
    result = session.run([harness.testkit("dumpstrings")] + list(modules), timeout=60)
    tables, languages, texts = {}, None, None
    for line in result.stdout.splitlines():
        if line.startswith("library="):
            languages, texts = [], {}
            tables[line.split("=", 1)[1]] = (languages, texts)
        elif line.startswith("language="):
            languages.append(line.split("=", 1)[1])
        elif "\t" in line:
            number, text = line.split("\t", 1)
            texts[int(number)] = text
    return {module: (languages, [texts.get(number) for number in range(1, 21)])
            for module, (languages, texts) in tables.items()}


class LanguageTextsTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.session = harness.WineSession()
        dist = harness.copy_distribution(cls.session, r"C:\dist")
        cls.modules = {name: dist + name
                       for name in ["setup.exe"] + [f"setup{code}.dll" for code in LANGUAGES]}
        cls.tables = string_tables(cls.session, cls.modules.values())

    @classmethod
    def tearDownClass(cls):
        cls.session.close()

    def test_setup_and_its_chinese_library_hold_the_traditional_chinese_texts(self):
        for module in ("setup.exe", "setupCHT.dll"):
            with self.subTest(module=module):
                languages, texts = self.tables[self.modules[module]]
                self.assertEqual(["0404"], languages)
                self.assertEqual(TRADITIONAL_CHINESE, texts)

    def test_every_library_is_marked_with_its_language(self):
        for code, language in LANGUAGES.items():
            with self.subTest(code=code):
                languages, texts = self.tables[self.modules[f"setup{code}.dll"]]
                self.assertEqual([language], languages)
                self.assertTrue(all(texts), texts)


if __name__ == "__main__":
    unittest.main()
