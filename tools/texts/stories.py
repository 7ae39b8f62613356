"""The stories for story typing ("*.exm"), written for Tapquill.

Each story: file name, title ($description), a short preview ($longdesc),
its author ($author, from AUTHORS) and the text as paragraphs separated by
blank lines; nothing but the story is typed. A paragraph becomes one line of the file, so it must stay
within 255 characters; the display wraps it.
"""

STORIES = []


# The (made-up) author of each story, shown on the story page.
AUTHORS = {
    "Lighthouse": "Morwenna Trask",
    "Clockmaker": "Elias Brandt",
    "Letters": "Ruth Alderley",
    "NightTrain": "Kofi Mensah-Reid",
    "River": "Isla Fennimore",
    "RoofGarden": "Deepa Marwood",
    "PrintShop": "Hugh Carrow",
    "HarrowFell": "Bryony Stead",
    "Library": "Agnes Whitlow",
}


def story(file_name, title, longdesc, text):
    STORIES.append(dict(file=file_name, title=title, longdesc=longdesc, text=text,
                        author=AUTHORS[file_name]))


story("Lighthouse", "The Lighthouse Cat",
      "A cat called Pepper lives on a rock in the sea with the last keeper of an old "
      "lighthouse - until the night the lamp goes dark.",
      """
The lighthouse stood on a rock so small that at high tide it seemed to be standing in the sea itself. It was white, with a red band near the top, and it had been there for a hundred and forty years.

For the last nine of those years it had been looked after by a woman called Ada Penrose and a grey cat called Pepper.

Pepper had not been invited. She had arrived one autumn in a crate of tinned peaches, thin and furious, and had refused to leave. Ada had said she could stay until the next supply boat. The next supply boat came and went, and so did the one after that.

By the time anyone asked about the cat again, Pepper had her own chair by the stove, her own blanket, and her own opinion about everything.

Their days had a shape to them. In the morning Ada climbed the hundred and twelve steps to the lamp room, cleaned the great glass lens, and wrote in the log book. Pepper climbed with her, one step behind, and sat on the log book while Ada tried to write in it.

In the afternoon they walked around the rock. It took four minutes. Ada looked at the sky and the sea and made notes about the wind. Pepper looked at the gulls and made notes of her own.

In the evening Ada lit the lamp, and the beam swung out across the water: one long flash, then two short ones, then darkness, over and over, all night. Every ship for twenty miles knew that pattern. It meant: here is the rock, keep away.

One night in late November the wind rose higher than Ada had ever heard it. The windows rattled, the stove smoked, and spray struck the glass of the lamp room, a hundred feet above the sea.

At a quarter to two, the lamp went out.

Ada was awake at once. She had been keeper long enough to feel the darkness before she saw it. She pulled on her boots and her coat and took the big torch from its hook.

The steps were black. The torch showed only a small circle of stone at a time. Halfway up, something brushed against her leg, and she almost dropped the torch. It was Pepper, ears flat, going up ahead of her.

In the lamp room the air smelled of hot metal. The motor that turned the lens had stopped, and the bulb had burned out. Ada had a spare bulb, but her hands were cold and shaking, and the little screws that held the bulb in place were very small.

She dropped the first screw. It rolled across the floor and into the dark.

Ada said a word that was not in the log book. She got down on her knees with the torch, but the floor was wide and the screw was tiny, and somewhere out there a ship might be steering for the rock.

Then she heard a small sound: a tap, and a little scrape. Pepper was in the far corner, patting something with one paw. It was the screw. The cat looked up at her as if to say that she had been expecting better.

Ada fixed the bulb. She started the motor by hand, turning the handle until the lens began to move on its own. The light came back: one long flash, two short ones.

Far out on the water, a fishing boat that had been running for shelter saw the beam, turned hard to the north, and passed the rock with room to spare. Its skipper wrote to the lighthouse service the next week to say thank you.

Ada wrote in the log book: Lamp failed 01:45. Restored 02:10. Assisted by P. She did not explain who P was.

When the supply boat came in December, it brought a new motor, a box of spare bulbs, and a small tin of fish with a label that said: For the assistant keeper.

Pepper ate it in her chair by the stove, and then went to sleep on the log book.
""")

story("Clockmaker", "The Clockmaker's Apprentice",
      "Nell wants to mend clocks quickly. Her teacher, old Mr Vos, wants her to mend them "
      "well. A story about patience, small parts and the sound of time.",
      """
The shop was so full of clocks that you could hear it before you opened the door: a soft, busy ticking, like rain on a roof, with now and then the chime of a small bell.

Nell had walked past it every day on her way to school for six years. When she turned sixteen she walked in and asked for a job.

Mr Vos looked at her over the top of his glasses. He was a small man with very large hands, and he was holding a pair of tweezers as gently as if they were a bird.

"Why clocks?" he asked.

Nell had prepared an answer about science and engineering, but what came out was: "Because they always know what to do next."

Mr Vos laughed, a short surprised laugh, and said she could start on Monday.

For the first month she did not touch a single clock. She swept the floor, sorted screws into tiny drawers by size, and cleaned brass wheels in a bath of warm soapy water. She learned the names of things: the escapement, the mainspring, the pallet fork, the balance wheel.

"When can I mend one?" she asked at the end of the month.

"When you can take one apart and put it back together without anything left over," said Mr Vos. He gave her an old alarm clock that did not work. "This one is yours. Take your time."

Nell took it apart in twenty minutes. She put it back together in fifteen. Two screws and a small spring were left over on the bench.

Mr Vos said nothing. He just put the three pieces in a little paper bag and wrote on it: Monday.

On Tuesday she tried again, more slowly. One screw was left over. On Wednesday the clock went together with nothing left over, but it did not tick.

"Why not?" she asked.

"Listen to it," said Mr Vos.

She held it to her ear. Nothing. She held it closer. There, very faint, was a tiny grinding, like a cough.

It took her two more days to find the reason: a wheel with one bent tooth, so small that she needed the big magnifying glass to see it. She straightened it with the tweezers, one careful push at a time.

When she put the clock together, it ticked. It was a cheap clock with a loud tick, but Nell thought it was the best sound she had ever heard.

"Good," said Mr Vos. "Now you know the first rule."

"Which is?"

"Fast is what happens when careful has had enough practice."

Over the next year she learned the second and third rules as well. The second was: write down what you do, because tomorrow you will not remember. The third was: a clock is never just broken; it is always broken for a reason.

By the end of the year Nell could mend most of the clocks that came into the shop. She was not as fast as Mr Vos, but she was faster than she had been, and she was never careless.

On the anniversary of her first day, Mr Vos gave her a present wrapped in brown paper. It was the little paper bag with the three pieces in it, and a note: For the day you think you are too good to listen.

She keeps it in the top drawer of her own bench now, next to the tweezers.
""")

story("Letters", "Letters from the Valley",
      "Two old friends, one in the city and one in a mountain valley, write to each other "
      "through a year of seasons, storms and small news.",
      """
Dear Tom,

You asked me what it is like up here now that I have been in the valley for a whole winter. The honest answer is: quiet. Not silent - there is always the river, and the wind in the pines - but quiet in a way the city never was.

The snow came in November and did not leave until April. Some days I did not see another person at all, only the postman, who drives up on Tuesdays and Fridays with a chain on every wheel.

I have learned to split wood, to bake bread that is not a brick, and to tell a fox's tracks from a dog's. I have not learned to like getting up in the dark. Write soon. Tell me everything.

Your friend, Anna

Dear Anna,

Everything is a lot, so here is some of it.

The city is the same as ever: loud, bright and in a hurry. They have dug up our street again, and the man at the corner shop has bought a parrot that says good morning at all hours of the day and night.

Work is busy. I finally finished the bridge drawings, and last week I stood on the real bridge for the first time. It is strange to walk on something that was once only lines on a screen. It held, you will be glad to hear.

I miss our Sunday walks. Nobody here walks anywhere without a reason. Send me a picture of the river.

Tom

Dear Tom,

Here is the river, drawn by hand because my camera is broken. Please admire the fish, which took me longer than the rest put together.

Spring has come all at once. One week there was snow, the next there were lambs in every field and flowers along the road. The farmer next door lent me a goat to keep the grass down. Her name is Biscuit and she has eaten my gloves, my hat and half a letter to you.

I have started a small garden: beans, potatoes, and some herbs that the goat has not found yet.

Anna

Dear Anna,

Your fish is excellent. I have put it on the wall at the office, where it is much admired.

I have news. They want me to work on a new project in the spring - a footbridge over a river in the mountains. I looked at the map. It is forty miles from you. I said yes before they had finished asking.

So this is not a letter, exactly. It is a question. Is there room in the valley for a visitor with a tent and a very bad sense of direction?

Tom

Dear Tom,

There is room. There is a spare bed, which is better than a tent, and a goat who will eat your bootlaces. The postman says he will drive you up from the station if you help him with the chains.

I will make bread. It is almost never a brick now.

Come in May, when the apple trees are out.

Anna
""")

story("NightTrain", "The Night Train",
      "A boy travels alone for the first time, on the sleeper train to his grandmother's town "
      "by the sea, and finds the night full of company.",
      """
The night train left at nine minutes past ten from platform four, and Sam was on it, alone, for the first time in his life.

His mother had walked him to the door of the carriage and talked to the guard, a tall woman with a silver badge who promised to keep an eye on him. Then the whistle blew, the doors hissed shut, and the platform slid away into the dark.

His compartment had two narrow beds, one above the other, a tiny sink, and a window with a blind that went up and down on a string. The top bed was his. The bottom bed belonged to an old man in a green cardigan who was already reading a newspaper.

"First time?" asked the old man, without looking up.

Sam nodded, then remembered that the man could not see him nod, and said yes.

"Best way to travel," said the man. "You go to sleep in one place and wake up in another. Like magic, only with more rattling."

They introduced themselves. The man's name was Mr Okafor, and he was going to see his daughter, who had just had a baby. He showed Sam a photograph: a very small, very cross face in a yellow blanket.

"She looks angry," said Sam.

"She is three days old," said Mr Okafor. "She has a lot to be angry about. Everything is new."

Sam thought about that as the train ran through the edges of the city, past lit windows and empty car parks and a football pitch glowing under floodlights. Everything was new for him too.

At eleven the guard knocked and brought two cups of hot chocolate. She told them the train would stop three times in the night, that the dining car opened at six, and that if Sam wanted anything at all he should press the red button by the door.

Sam climbed the little ladder to his bed. The sheets were stiff and smelled of soap. He lay with the blind half open and watched the night go past.

There was more to see than he had expected. Towns went by like bright necklaces. A fox stood in a field, frozen in the light from the train. Once they crossed a wide river, and for a moment the moon was below them as well as above.

He did not mean to fall asleep, but the rocking of the train was like a hand on his back. The last thing he heard was Mr Okafor turning a page.

When he woke, the light was grey and gold, and the air through the gap in the blind smelled of salt. He pushed the blind up. The train was running along the top of a cliff, and below it, stretching away to the edge of the world, was the sea.

"Told you," said Mr Okafor from below. "Magic."

His grandmother was waiting on the platform in her red coat, waving with both arms. Sam waved back, then turned to say goodbye.

Mr Okafor shook his hand very seriously. "Safe travels," he said. "Come back and tell me about it one day. Same train, same time."

"What if you are not on it?"

"Then tell somebody else," said Mr Okafor. "That is what trains are for."
""")

story("River", "How the River Learned to Sing",
      "A fable: a young river that runs too fast to hear anything, and the stones, reeds and "
      "birds that teach it to slow down.",
      """
Long ago, before there were roads or towns, there was a young river that came down from the mountains in a terrible hurry.

It had been born from snow in a high valley, and the first thing it had learned was that it was going somewhere. It did not know where. It only knew that it had to get there fast.

So it ran. It jumped over rocks, tumbled down waterfalls and rushed through gorges, shouting as it went. The shouting was not a song. It was just noise, white and loud, like a crowd that cannot hear itself.

The animals of the hills kept away from it. The deer could not drink from it, because it pulled at their legs. The birds could not nest beside it, because it tore at the grass. Even the fish did not like it much; they clung to the bottom and waited for it to calm down.

One day the river came to a wide, flat meadow, and for the first time there was no slope to run down. It slowed. It spread out. It became, for a little while, almost still.

"What is happening to me?" it cried. "I am stopping! I must get on!"

"Nobody is stopping you," said a large flat stone that lay in the middle of the meadow. "You are only slowing down. There is a difference."

The river had never been spoken to before. It was so surprised that it slowed a little more.

"Listen," said the stone.

The river listened. At first it heard nothing, because it had never listened to anything. Then, little by little, it began to hear.

It heard the reeds along its banks, whispering as the wind moved them. It heard a frog, somewhere to the left, making a sound like a loose string. It heard a bird in a willow tree, singing the same four notes again and again. And under all of it, it heard itself: a soft, low, moving sound, water over stones.

"Is that me?" asked the river.

"That is you when you are not shouting," said the stone.

The river thought about this for a long time. Rivers think slowly when they are in meadows.

At last it said, "But I still have to get somewhere."

"Of course you do," said the stone. "All rivers do. You are going to the sea. It is a long way, and you will get there. But you will get there just as surely if you go at a pace where you can hear yourself."

So the river went on. It still ran fast down the steep places - a river cannot help that - but in the flat places it slowed and listened, and little by little it learned to make its own sound on purpose: deep under the bridges, bright over the shallows, soft by the reeds.

The deer came back to drink. The birds built nests in the banks. The fish rose to the surface in the evenings to catch flies.

And when, many years later, the river reached the sea at last, it did not arrive shouting. It arrived singing, and the sea, which had heard a great many rivers, said that it was one of the best.
""")

story("RoofGarden", "The Garden on the Roof",
      "In a grey block of flats, a retired bus driver starts growing tomatoes on the flat roof. "
      "By summer, the whole building has joined in.",
      """
Number 14 Kestrel Street was a block of flats nine floors high, built of grey concrete in a year when nobody seemed to like colour very much. It had forty-two flats, two lifts that worked on alternate days, and a flat roof that nobody ever visited.

Then Mr Hallam retired.

Mr Hallam had driven the number 12 bus for thirty-one years. He knew every stop, every pothole and every regular passenger by name. On his first Monday of retirement he woke at half past five, out of habit, and found that he had nowhere to be.

By Wednesday he was going quietly mad. On Thursday he went up to the roof to look at the view, and saw a great empty square of grey under a great empty sky, and had an idea.

He started with one tomato plant in a bucket. He carried the bucket up nine flights of stairs, because it was not a lift day, and set it in the sunniest corner. He watered it every morning and talked to it a little, because there was no one else on the roof to talk to.

The next week he added two buckets of lettuce and a pot of mint. The week after that, a girl from the fourth floor called Priya followed him up the stairs to see where he was going with a bag of compost.

"Is this allowed?" she asked.

"Nobody has said it isn't," said Mr Hallam.

Priya came back the next day with her grandmother, who knew more about growing beans than anyone Mr Hallam had ever met. The grandmother brought seeds from a village three thousand miles away, wrapped in a handkerchief.

After that, word got around. A young couple on the seventh floor built raised beds out of old pallets. A man from the ground floor who never spoke to anyone turned out to be an expert on bees, and brought up a hive. The twins from flat 31 painted the water tank with sunflowers twice as tall as they were.

The building manager came up in June with a clipboard, ready to be angry. He stood on the roof for a long time, looking at the beans climbing up their strings, the bees working in the lavender, and the old people and young people sitting on upturned crates in the evening sun.

Then he put the clipboard away and asked if there was room for a pot of strawberries.

By August the roof was green from one edge to the other. There were tomatoes, courgettes, beans and herbs, sunflowers along the railings, and a bench made from an old door. People who had lived on the same staircase for years without speaking now argued happily about the best way to grow peppers.

On the last Saturday of the summer they held a supper on the roof, with food from the garden and lanterns strung between the water tank and the lift housing. Mr Hallam made a short speech. He said he had spent thirty-one years taking people from one place to another, and he had not expected to find the best stop of all on top of his own building.

Everyone clapped, and then Priya's grandmother served the beans.
""")

story("PrintShop", "The Printer's Daughter",
      "In a small town without a newspaper, a printer's daughter sets letters in metal type "
      "and starts one - one page, once a week, with news that matters to someone.",
      """
In the town of Millbrook there was a print shop at the bottom of Church Lane, and in the print shop there was a press as big as a piano and twice as heavy.

It belonged to Walter Finch, who printed wedding invitations, raffle tickets, menus for the two cafes and, once a year, the programme for the flower show. It was steady work, and Walter liked it, but he often said that the press was bored.

His daughter Rose thought so too. She had grown up with the smell of ink and the clack of the machine, and she could set type faster than her father. Each letter was a small block of metal with the letter cut backwards on its end. You took them one at a time from a wooden case with a hundred little boxes, and lined them up in a holder, upside down and backwards, until they made words.

"It's like writing in a mirror," Rose told her friends. "With your fingers."

The idea came to her on a rainy Tuesday in March. The town had lost its newspaper two years earlier, when the company that owned it closed the office and moved everything to the city. Since then, nobody quite knew what was going on. The council met, but nobody reported it. The school play came and went without a review. When the bridge on the Lower Road was closed for repairs, half the town found out by driving up to the barrier.

"We could print a paper," Rose said at supper.

Her father put down his fork. "A newspaper is a lot of work."

"Not a big one. One page. Once a week. Just the things people need to know."

Walter looked at her for a long moment. Then he said, "The press would like that."

The first issue of the Millbrook Weekly came out on the first Friday of April. It had four stories: the bridge repairs, a lost dog called Captain, the results of the darts match at the Swan, and a notice that the library would now open on Saturday mornings. Rose wrote all of them, set all of them, and printed two hundred copies. She left them in the bakery, the post office and the doctor's waiting room.

By Saturday lunchtime they were all gone. Captain was home by Sunday.

After that, people started coming to the shop with news. A farmer brought word of a new calf with a white star on its forehead. The head teacher brought the dates of the summer fair. An old man brought a poem about the river, written in pencil on the back of an envelope, and asked shyly whether there might be room for it.

There was. Rose made room.

By the end of the year the Millbrook Weekly had grown to two pages and five hundred copies. Rose had a helper, a boy from the school who could spell anything and wanted to be a reporter. Walter printed the paper every Thursday night and said, every Thursday night, that he had never been so tired or so happy.

The press, as far as anyone could tell, was not bored at all.
""")

story("HarrowFell", "Storm over Harrow Fell",
      "Three friends set out to climb a hill on a fine autumn morning. By noon the weather has "
      "other plans, and the way down needs a map, a compass and a cool head.",
      """
The forecast said bright and breezy, and at eight in the morning it was right. The sky over Harrow Fell was a clean, washed blue, and the path up from the village shone with last night's rain.

Jo, Marcus and Lena had been planning the walk for weeks. It was not a difficult climb - four hours up and back, on a good path - but it was the highest hill any of them had climbed. They had packed as if for an expedition: waterproofs, hats, gloves, a flask of tea, sandwiches, a map in a plastic case, and a compass that Lena's father had given her with a long talk about how to use it.

"We won't need the compass," said Marcus. "You can see the top from here."

They could. The summit cairn stood on the skyline like a small grey thumb.

They climbed steadily through the morning. The path went up beside a stream, through a gate, over a stile and onto the open hillside, where sheep looked up at them without interest. By eleven they were on the ridge, and the view opened out on both sides: lakes, woods, a distant town, and the sea, silver at the edge of everything.

They ate their sandwiches by the cairn. It was Jo who noticed the cloud.

It was coming from the west, low and grey, rolling over the next ridge like smoke. As they watched, it swallowed a hill they had been admiring five minutes before.

"Time to go," said Lena.

They were packing up when the first gust hit them, cold and wet, and then the cloud arrived all at once. One moment they could see for thirty miles; the next they could barely see each other. The cairn, ten steps away, became a dim shape and then nothing.

Marcus laughed, a little too loudly. "Well. Down is down."

"Down is also the cliffs on the north side," said Lena. She took out the map and the compass. Her hands were cold, and the wind kept snatching at the map case, but she did what her father had shown her: found the summit on the map, lined up the compass with the path they needed, and turned the dial until the needle sat in its little red house.

"South-east," she said. "The path goes south-east for half a mile, then turns south by a wall. We follow the bearing until we find the wall."

They walked in a line, close together, Lena in front with the compass held flat in front of her. The rain came sideways. The ground was rough and the path kept vanishing among the rocks. Twice Jo wanted to go left, where the ground seemed to fall away more gently, and twice Lena said no, the compass says this way, and they went the way the compass said.

After twenty long minutes a dark line appeared through the cloud. It was the wall. Jo actually cheered.

They followed it down. Slowly the cloud thinned, the rain eased, and the world came back in pieces: a sheep, a gate, the stream, the first roofs of the village. By the time they reached the car park the sun was out again, as if nothing had happened.

They sat in the cafe with their wet boots steaming and drank hot chocolate, and nobody said anything for a while.

Then Marcus said, "I'm glad we brought the compass."

"Me too," said Lena, and put it carefully back in her pocket.
""")

story("Library", "The Night the Library Stayed Open",
      "A snowstorm closes every road in town, and the one place with its lights still on is "
      "the little public library. A winter story for any age.",
      """
The snow began at lunchtime on a Thursday, and by four o'clock every road out of Aldwick was closed.

The buses stopped. The trains stopped. The school sent the children home early, and then, when it turned out that many of them could not get home, sent some of them back again. The shops pulled down their shutters. One by one, the lights of the town went out, until there was only one building on the high street with its windows still bright.

It was the public library, and inside it was Mrs Ellery, who had been the librarian for twenty-two years and had no intention of closing early just because of some weather.

The first to arrive was a delivery driver whose van was stuck in a drift outside. Then came a mother with two small children, whose car had given up at the bottom of the hill. Then a group of teenagers from the school, cold and wet and pretending not to be pleased to see somewhere warm. By six o'clock there were nineteen people in the library, and the snow was still falling.

Mrs Ellery took charge. She turned up the heating as far as it would go. She found blankets in a store cupboard - left over from a camping exhibition - and a kettle in the staff room. The man who ran the chip shop across the road waded over with two huge bags of chips that he said would only go to waste.

"Libraries aren't for eating in," said one of the teenagers, grinning.

"Tonight they are," said Mrs Ellery.

After supper, the question was what to do. The power was still on, but the internet had gone down with the first heavy snow, and the phones only worked near the front window.

So Mrs Ellery did what librarians have always done. She found books.

For the small children she found picture books about bears and snow and the moon, and their mother read them aloud until they fell asleep on a pile of cushions in the children's corner. For the delivery driver, who said he had not read a book since school, she found a short, fast adventure about a ship in a storm, and he read it from cover to cover without looking up. For the teenagers she found a shelf of ghost stories, and soon they were reading them to each other by torchlight, with a great deal of screaming and laughter.

At ten o'clock an old man who had been sitting quietly by the radiator asked if anyone would like to hear a story he knew by heart. Everyone said yes. He told a long, winding tale about his grandfather, a fox and a stolen pocket watch, and when he finished even the teenagers clapped.

Then one of the teenagers told a story, and then the delivery driver told one, rather badly, and everybody laughed, and he laughed too.

Nobody slept much. Around two in the morning the snow stopped, and the sky cleared, and the whole town lay silver and silent under the stars.

In the morning the snowploughs came, and people went home one by one, stiff and tired and oddly cheerful. Before they left, most of them asked Mrs Ellery for a library card.

She had to order a new box of them the following week.
""")
