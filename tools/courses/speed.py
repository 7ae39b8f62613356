"""The Speed course: for students who know the keyboard.

Ten lessons of paragraphs, texts and exams that grow longer and ask a little
more each time, with a game between and story typing now and then. The
course names no key groups, so every exercise may use every key.
"""

from course_lib import Course, Event, Lesson, wrap_to_view

# A credit line under a paragraph block: the marker, then the credit.
CREDIT = '"\u00a4|w"'

# (speed in characters per minute, accuracy per cent, rhythm per cent)
# Accuracy is the results page's scaled figure (95 % correct characters = 50).
EXAMS = [(120, 55, 20), (130, 55, 20), (140, 60, 25), (150, 60, 25), (165, 65, 30),
         (180, 65, 30), (195, 70, 35), (210, 70, 35), (230, 75, 40), (250, 80, 40)]

GAMES = [("CLOUDS", "Nature.vcb", True), ("WORDTRIS", "Food.vcb", None), ("BUBBLES", None, None),
         ("CLOUDS", "Travel.vcb", True), ("WORDTRIS", "Animals.vcb", None),
         ("BUBBLES", None, None), ("CLOUDS", "Music.vcb", True), ("WORDTRIS", "Home.vcb", None),
         ("CLOUDS", "Animals.vcb", True), ("WORDTRIS", "Travel.vcb", None)]

STORY_LESSONS = {3, 6, 9}

LESSONS = [
    dict(
        title="Steady hands",
        paragraphs=[
            "Sit tall, drop your shoulders, keep your wrists level.",
            "Rest your fingers on the home row before each line.",
            "Look at the text, not at your hands; trust them.",
            CREDIT + "Sayings for typists",
            "An even beat is worth more than a burst of speed.",
            CREDIT + "Sayings for typists",
            "Slow is smooth, and smooth becomes fast.",
        ],
        text=[
            "Speed in typing does not come from moving your fingers faster.",
            "It comes from moving them less. A finger that stays close to",
            "its home key has a short way to travel and a short way back.",
            "A finger that lifts high, or a hand that drifts, wastes time on",
            "every stroke. So before you try to type faster, watch your",
            "hands for a minute. Keep them low and relaxed, and let the",
            "fingers do the work.",
        ],
        exam=[
            "Good typing is quiet typing. Light taps, an even rhythm and",
            "relaxed hands will carry you further than force. Keep your",
            "eyes on the text and your fingers close to the home row.",
            "Speed will come by itself.",
        ],
    ),
    dict(
        title="Weather watch",
        paragraphs=[
            "A grey morning turned into a bright, breezy afternoon.",
            "Rain was forecast, but the clouds kept it to themselves.",
            "By evening the wind had dropped and the sky was clear.",
            "Frost silvered the grass, and the puddles froze.",
            CREDIT + "Sayings of the weather",
            "Every weather has its work: rain for fields, sun for hay.",
        ],
        text=[
            "People have always watched the sky. Long before there were",
            "satellites and computers, farmers and sailors learned to read",
            "the clouds. High thin streaks often came before a change; a",
            "ring around the moon could mean rain within a day or two. Some",
            "of these old signs are surprisingly good. Others are not much",
            "better than a guess. Today a forecast is built from millions of",
            "measurements, but it still ends in the same question: should",
            "I take an umbrella?",
        ],
        exam=[
            "The storm arrived just after lunch. First the light changed, as",
            "if someone had drawn a curtain across the sun. Then the wind",
            "picked up, lifting leaves and paper from the street. The first",
            "heavy drops hit the pavement like coins. Within minutes the",
            "gutters were running like small rivers.",
        ],
    ),
    dict(
        title="City streets",
        paragraphs=[
            "The first bus of the day hummed past the closed shops.",
            "A baker carried trays of warm rolls out to a van.",
            "By eight o'clock the cafes were full and the roads busy.",
            "A busker played the same bright tune for an hour.",
            "At night the windows glowed like a thousand lanterns.",
        ],
        text=[
            "A city is never really asleep. Even at three in the morning",
            "someone is driving a night bus, baking bread, or mopping the",
            "floor of a hospital corridor. In the hour before dawn, the",
            "streets belong to delivery vans and street sweepers, to foxes",
            "and early cyclists. Then the lights of the offices come on, the",
            "trains fill up, and the whole place takes a deep breath and",
            "starts again. Every city has its own rhythm, and after a while",
            "you begin to walk in time with it.",
        ],
        exam=[
            "The market opened at seven. Stallholders set out crates of",
            "apples, pears and plums, buckets of flowers, and tables covered",
            "with old books and odd china cups. By nine the narrow lanes",
            "were full of people tasting cheese, arguing about prices and",
            "meeting friends. A small boy sold lemonade from a folding table",
            "and did a better trade than anyone else.",
        ],
    ),
    dict(
        title="In the kitchen",
        paragraphs=[
            "Chop the onions finely and fry them gently until soft.",
            "Add two cloves of garlic, salt and a spoon of paprika.",
            "Stir in the tomatoes, cover and simmer for an hour.",
            "Taste, season and serve with bread and a green salad.",
            CREDIT + "Sayings of the kitchen",
            "A recipe is a map; the cook still makes the journey.",
        ],
        text=[
            "Every kitchen has its own smell. In one it is coffee and toast,",
            "in another garlic and lemon, in a third cinnamon and warm",
            "butter. Cooking is one of the oldest things people do together.",
            "It is also a good teacher of patience: bread will not rise",
            "faster because you stare at it, and a stew that is rushed will",
            "never taste as good as one that is left alone. Like typing, it",
            "rewards a steady hand, a little planning, and a lot of practice.",
        ],
        exam=[
            "To make a simple soup, melt a little butter in a large pan and",
            "add a chopped onion, two carrots and a stick of celery. Cook",
            "them slowly for ten minutes, stirring now and then, until they",
            "are soft but not brown. Pour in a litre of stock, add a handful",
            "of lentils, and let the soup bubble gently for half an hour.",
            "Season it well, and blend it if you like it smooth.",
        ],
    ),
    dict(
        title="Our neighbour, the Moon",
        paragraphs=[
            "The Moon is about a quarter of the width of the Earth.",
            "It always shows us the same face as it travels around us.",
            "Its light is sunlight, reflected from grey dust and rock.",
            "The tides of the sea rise and fall with its pull.",
            "People have walked on it and left footprints in the dust.",
        ],
        text=[
            "For most of history the Moon was a mystery. It changed its shape",
            "every night, from a thin silver curve to a bright round disc and",
            "back again, and nobody could explain why. Today we know that",
            "the shapes are simply the part of its sunlit side that we can",
            "see from the Earth. The Moon has no air and no weather, so the",
            "marks left on its surface can last for millions of years. There",
            "are mountains there, and wide dark plains that early watchers",
            "took for seas.",
        ],
        exam=[
            "The Moon moves around the Earth about once a month, and the",
            "word month comes from the same root as moon. As it moves, it",
            "pulls on the oceans and raises a bulge of water that we see as",
            "the tide. Twice a day the sea creeps up the beach and twice a",
            "day it slips away again. Sailors, fishers and anyone who walks",
            "along the shore soon learn to keep an eye on the tide tables,",
            "because the sea keeps its own time and waits for no one.",
        ],
    ),
    dict(
        title="At work",
        paragraphs=[
            "Dear Ms Patel,",
            "Thank you for your message of Tuesday.",
            "I can confirm our meeting on the 14th at 10:30.",
            "Please find attached the figures for the first quarter.",
            "If you have any questions, please contact me.",
            "Kind regards,",
            "Daniel Reed",
            "Office Manager",
        ],
        text=[
            "Most office work is writing of one kind or another: messages,",
            "reports, notes of meetings, lists of tasks. A person who can",
            "type quickly and accurately saves a little time with every",
            "sentence, and that time adds up to hours in a week. Just as",
            "important, they can keep their attention on what they want to",
            "say instead of where the keys are. Clear writing starts with",
            "clear thinking, and fluent typing leaves more room for both.",
        ],
        exam=[
            "Dear Mr Lowe,",
            "",
            "Thank you for your order of 3 March. I am sorry to tell you that",
            "two of the items, the oak desk and the matching chair, are out of",
            "stock until the end of the month. The other items will be sent",
            "this week, and the desk and chair will follow as soon as they",
            "arrive. If you would rather cancel those two items, please let",
            "me know and I will refund them at once.",
            "",
            "With best wishes,",
            "",
            "Clara Moss",
            "",
            "Customer Service",
        ],
    ),
    dict(
        title="Game day",
        paragraphs=[
            "The crowd rose to its feet as the ball curled into the net.",
            "She crossed the finish line with her arms raised high.",
            "The referee checked his watch and blew the whistle.",
            "Both teams shook hands and walked off in the rain.",
            CREDIT + "Sayings of the playing field",
            "Winning is sweet, but a good game is sweeter still.",
        ],
        text=[
            "Every sport is a kind of conversation. In tennis it is a fast",
            "exchange across a net; in football it is twenty-two people",
            "talking at once; in a long race it is a quiet argument between",
            "a runner and her own tired legs. What they all share is",
            "practice. The players who seem to move without thinking have",
            "usually thought about each movement a thousand times before.",
            "The same is true at the keyboard: today's careful practice is",
            "tomorrow's easy speed.",
        ],
        exam=[
            "The last race of the day was the mile. Eight runners waited on",
            "the line, shaking out their arms and legs, watching the starter.",
            "At the gun they set off in a tight group, elbows out, nobody",
            "wanting to lead. For three laps they stayed together. Then, with",
            "the bell ringing for the final lap, a young runner in a green",
            "vest moved to the outside and began to pull away. The crowd",
            "roared. She held her lead around the last bend and down the",
            "straight, and crossed the line two strides clear.",
        ],
    ),
    dict(
        title="The story of writing",
        paragraphs=[
            "The first writing was marks pressed into wet clay.",
            "Later came ink on reed paper, and quills on skins.",
            "Printing with movable letters made books cheap.",
            "Machines with keys turned writing into neat lines.",
            "Now we write on glass and send words round the world.",
        ],
        text=[
            "Writing was invented more than five thousand years ago, and for",
            "most of that time it was a slow business. A scribe might spend",
            "a whole day on a single page. Printing changed that, and so,",
            "much later, did machines that put a letter on paper every time",
            "a key was struck. Their keyboards were arranged in rows, much",
            "like the one in front of you, and the skill of typing by touch,",
            "without looking, grew up with them. The machines have changed;",
            "the skill has hardly changed at all.",
        ],
        exam=[
            "Before printing, every book had to be copied by hand, letter by",
            "letter. A large book could take a year or more, and it was so",
            "valuable that it might be chained to its shelf. When printers",
            "learned to cast letters in metal and arrange them in a frame,",
            "they could make hundreds of copies of a page in a single day.",
            "Books became cheaper, more people learned to read, and ideas",
            "travelled faster than ever before. Every time we type a line",
            "today, we are using a distant great-grandchild of that frame",
            "of metal letters.",
        ],
    ),
    dict(
        title="Wild places",
        paragraphs=[
            "A heron stood in the shallows, still as a grey post.",
            "Deer slipped between the birch trees without a sound.",
            "On the high moor the wind never quite stopped blowing.",
            "An otter surfaced, looked around, and vanished again.",
            CREDIT + "A walkers' rule",
            "Leave only footprints, and take only pictures.",
        ],
        text=[
            "Wild places are closer than we think. There is a wood at the",
            "edge of most towns, a stretch of river with reeds and willows,",
            "a patch of rough ground where nobody mows the grass. Spend an",
            "hour sitting quietly in any of them and you will be surprised",
            "by what you see: a wren busy in the hedge, a beetle climbing a",
            "stem, a hawk hanging over the field as if on a string. The",
            "secret is the same as in so many things. Slow down, keep still,",
            "and pay attention.",
        ],
        exam=[
            "The path climbed out of the valley through an old oak wood,",
            "where the trees were twisted and covered in moss and ferns.",
            "Above the wood it crossed open moorland, brown and purple with",
            "heather, and the wind came at us from every side. We saw two",
            "ravens tumbling in the air, a hare that ran off in great zigzag",
            "leaps, and far below us a river shining like a thread of silver.",
            "At the top we sat with our backs against a cairn of stones and",
            "ate our lunch, and for a long time neither of us said a word.",
            "There was nothing that needed saying.",
        ],
    ),
    dict(
        title="Facts and figures",
        paragraphs=[
            "The report covers 12 months, from 1 April to 31 March.",
            "Sales rose by 8% to 47,250 units; costs fell by 3%.",
            "Orders over 100 units (about 1 in 20) get free delivery.",
            "Call 0800 555 0199, or write to 27 Mill Road, Leeds.",
            "Total: 1,284 items at 4.75 each = 6,099.00",
        ],
        text=[
            "Numbers need more care than words. A spelling mistake in a",
            "word is usually easy to spot and rarely changes the meaning,",
            "but a wrong digit can turn 1,500 into 15,000 without anyone",
            "noticing. When you type figures, slow down a little, keep your",
            "fingers anchored on the home row, and check each group before",
            "you move on. Dates (such as 14/06/2025), prices, phone numbers",
            "and codes like AB-1234-X all deserve a second look. Accuracy",
            "first: in numbers, speed without it is worth nothing.",
        ],
        exam=[
            "Quarterly summary, 1 January to 31 March",
            "",
            "Visitors: 18,430 (up 12% on the same period last year).",
            "",
            "New members: 642, of whom 215 joined online.",
            "",
            "Income: 96,380 from tickets, 14,270 from the cafe and",
            "8,915 from the shop, a total of 119,565.",
            "",
            "Costs: staff 61,200; heating 9,840; repairs 4,310.",
            "",
            "The roof repair (estimate: 22,500) is planned for",
            "June, and the new signs (see minute 7) for September.",
            "",
            "Questions? Please contact the office on 01632 960 418,",
            "or write to the secretary at 5 Orchard Lane, Millbrook.",
        ],
    ),
]


def flow(lines):
    """Lines of a text joined into paragraphs (an empty line ends one) and
    cut again so that every line fits the exercise view."""
    out, para = [], []
    for line in lines + [""]:
        if line:
            para.append(line)
        elif para:
            out += wrap_to_view(" ".join(para))
            para = []
    return out


def build():
    course = Course(
        "Speed.cnt", "Speed",
        "Speed - faster and steadier",
        "For students who know the keyboard: paragraphs, texts and exams that grow longer and "
        "ask a little more each lesson, with games and story typing between.",
        default_time=35, wizard="Speed", loops=(2, 4, 1, 2))
    course.comments = [
        "Tapquill Speed course: ten lessons for students who already type by touch.",
        "Made by tools/courses/make_courses.py; edit the generator, not this file.",
        "The course names no key groups: every exercise may use every key.",
    ]
    for number, plan in enumerate(LESSONS, 1):
        pic = f"Sp{number}.pic"
        speed, accuracy, rhythm = EXAMS[number - 1]
        lesson = Lesson(plan["title"], "", pic,
                        f"Exam: {speed // 5} wpm, accuracy {accuracy}%")
        p = f"Speed\\S{number:02d}"
        exam_lines = len(flow(plan["exam"]))
        intro = [
            f"Lesson {number}: {plan['title']}.",
            f"This lesson ends with an exam of {exam_lines} lines. To pass it, type at "
            f"least {speed // 5} words ({speed} characters) a minute, with an accuracy of "
            f"{accuracy}% or more on the results page and a rhythm of {rhythm}% or better.",
            "Warm up with the paragraphs and the text first. If a line goes wrong, do not stop: "
            "keep the beat and carry on.",
        ]
        lesson.add("Paragraphs", 6,
                   course.message(p + "Intro.kls", intro, plan["title"], pic, left=False),
                   course.typed("PARAGRAPH", 1, p + "Para.kls", plan["paragraphs"], "FALSE"))
        lesson.add("Text", 7, course.typed("TEXT", 1, p + "Text.kls", flow(plan["text"]), "FALSE"))
        kind, word_file, storm = GAMES[number - 1]
        title = {"CLOUDS": "Game: Clouds", "WORDTRIS": "Game: WordTris",
                 "BUBBLES": "Game: Bubbles"}[kind]
        lesson.add(title, 5, course.game(kind, 1, word_file, None, storm))
        if number in STORY_LESSONS:
            lesson.add("Story typing", 8, Event("TEXT", 1, "ASK:*.exm", ["FALSE"]))
        if number >= 2:
            lesson.add("Review", 4, Event("BUILDER", 1, "NIL"))
        lesson.add("Exam", 6,
                   course.typed("EXAM", 1, p + "Exam.kls", flow(plan["exam"]), "FALSE", str(speed),
                                str(accuracy), str(rhythm)))
        course.lessons.append(lesson)
    return course
