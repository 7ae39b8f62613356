"""The introduction (introd.kls) and the efficiency text (Effic.kls).

The introduction is a course of one lesson whose exercises are message
pages: it is studied in its own mode, where the lesson's last row leaves it,
so everything it has to say fits in one lesson of at most seven entries.
"""

import os

from ansifile import data_dir, write_lines
from course_lib import Course, Event, Lesson, paragraphs_to_lines

EFFICIENCY = [
    "Efficiency is the figure that puts speed and accuracy together. Typing fast with many "
    "errors is not efficient, and neither is typing every letter right at a snail's pace: "
    "the errors have to be found and corrected later, and slow typing costs time of its own.",
    "Tapquill gives your speed and your accuracy a score each, from 0 to 4. Speed scores 0 at "
    "30 characters (6 words) a minute and 4 at 270 characters (54 words) a minute. Accuracy "
    "scores 4 when every character is right and falls quickly with each error.",
    "Efficiency combines the two scores so that the weaker one counts more than the stronger "
    "one. You cannot make up for poor accuracy with more speed, or for slow typing with "
    "perfect accuracy: to raise your efficiency, work on whichever of the two is lower.",
    "The results page shows efficiency in per cent. 50 % is a good aim for a beginner; "
    "typists who work at the keyboard every day reach 70 % and more. Your tip on the results "
    "page tells you which side to work on next.",
]

PAGES = [
    ("Welcome", "Welcome", "Welcome.pic", [
        "Welcome to Tapquill. This short introduction shows how to sit, where your hands "
        "belong, how a lesson works and what the figures on the results page mean.",
        "Tapquill looks like a book. The tabs along the top lead to Studying, Review, "
        "Statistics, Info and Settings. The buttons at the bottom right of the pages take you "
        "on: Begin starts an exercise, Next goes to the next page.",
        "On every page the keyboard works too: Enter is Next when a page is finished, and "
        "Escape cancels. Press Enter now to go on, or choose any entry of the list to read it "
        "again later.",
    ]),
    ("Sitting well", "Sitting well", "Intro1.pic", [
        "Good typing starts before the first key. Sit back in your chair with your feet flat "
        "on the floor and your back straight but not stiff.",
        "The keyboard sits right in front of you, the screen an arm's length away with its top "
        "at about the height of your eyes.",
        "Let your upper arms hang loosely; your forearms are roughly level and your wrists "
        "straight, floating just above the keyboard rather than resting on its edge.",
        "Take a short break every half hour: stand up, stretch your fingers and look at "
        "something far away.",
    ]),
    ("The home row", "The home row", "Intro2.pic", [
        "Touch typing means typing without looking at the keys. The secret is a fixed place "
        "for your hands: the home row, the middle row of letters.",
        "The fingers of your left hand rest on A S D F and those of your right hand on J K L ;. "
        "Your thumbs rest on the space bar.",
        "F and J carry small ridges that your index fingers can feel. Whenever you lose your "
        "place, feel for the ridges and you are home again without a glance.",
        "After every key the finger returns to its home key. That is what makes every "
        "reach the same, and what lets your fingers learn the way by themselves.",
    ]),
    ("Fingers and keys", "Fingers and keys", "Intro3.pic", [
        "Each finger looks after its own keys: roughly one column, slanting a little to the "
        "left as it goes up. The index fingers have two columns each, because they are the "
        "strongest.",
        "The little fingers have the most keys: the edge columns and the Shift, Enter, Tab "
        "and Backspace keys.",
        "A capital letter needs a Shift key. Hold the Shift of the hand that does not type the "
        "letter: the left Shift for letters of the right hand, the right Shift for letters of "
        "the left hand.",
        "In the drills the keyboard on the screen lights the next key in green, and the hands "
        "below it show which finger to use.",
    ]),
    ("How a lesson works", "How a lesson works", "Intro4.pic", [
        "Each lesson opens as a spread of the book: on the right is the list of its "
        "exercises, on the left the lesson's picture or your last results.",
        "Choose an exercise with the arrow keys or the mouse and press Begin or Enter. The "
        "exercises follow each other: new keys, a keyboard drill, a word drill, sentences, a "
        "text, sometimes a game, and an exam at the end.",
        "The clock of an exercise starts with your first key. When the time of the exercise "
        "is up, it ends by itself, so there is no need to hurry.",
        "Pass the exam at the end of a lesson to go on to the next one. If you do not pass "
        "it the first time, practise a little and try again: the exam stays open for you.",
    ]),
    ("Your results", "Your results", "Intro5.pic", [
        "After every text you type, the results page shows five figures, each with a grade "
        "from Beginner to Expert and an arrow that compares it with the exercise before.",
        "Speed: how many words (or characters) you type in a minute.",
        "Accuracy: how many characters were right. 100 % means no errors at all; the figure "
        "drops by ten for each wrong character in a hundred, so 95 % right characters show "
        "as 50 %.",
        "Rhythm: how even the beat of your keys was. Steady typing is relaxed typing.",
        "BackSpace: how often you went back to correct. It is better to keep going.",
        "Efficiency: speed and accuracy together. The next page explains it.",
    ]),
]


def build():
    course = Course(
        "introd.kls", "Introduction",
        "Introduction to Tapquill",
        "How to sit, where the hands go, how a lesson works and what the results mean.",
        default_time=0, wizard="", loops=(3, 5, 0, 0))
    course.comments = [
        "Tapquill introduction: one lesson of message pages.",
        "Made by tools/courses/make_courses.py; edit the generator, not this file.",
    ]
    lesson = Lesson("Introduction", "", "Welcome.pic", "A short tour before the first lesson",
                    percent=0)
    for number, (kind, title, pic, paragraphs) in enumerate(PAGES, 1):
        lesson.add(kind, 1,
                   course.message(f"Intro\\Page{number}.kls", paragraphs, title, pic))
    lesson.add("Efficiency", 1,
               Event("MESSAGE", 0, "EFFIC:", ["What is efficiency?", "Intro6.pic", "LEFT"]))
    course.lessons.append(lesson)
    write_lines(os.path.join(data_dir(), "Effic.kls"),
                ["$description=What efficiency means", "$author=Tapquill", "$end"]
                + paragraphs_to_lines(EFFICIENCY))
    return course
